// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanDevice.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the scan dialog remembers of the user's choices: for each scanner (by
// its SANE name) the colour mode and resolution of its last scan, its own
// options in the order chosen and the paper size, and what it is (vendor,
// model, type) so that it can be known again under another name. A plain
// holder that decides little: the scanner layer owns one, fills it from the
// file it is kept in, and hands it to its dialogs, which say when a choice
// is taken.
class ScanMemory
{
public:
    struct DeviceChoices
    {
        QString mode;          // empty: none scanned with yet
        int resolution = 0;    // dpi; 0: none scanned with yet
        ScanSettings options;  // in the order chosen, one per name
        QString paperSize;     // its key (PWG's name, "custom"); empty: the whole area
        QRectF customArea;     // millimetres
        bool allSheets = true; // from a feeder: the whole stack, not one sheet
    };

    // The mode and resolution to show for a device: those of its last scan,
    // else of the last scan on any device.
    QString mode(const QString &device) const;
    int resolution(const QString &device) const;
    void setScanChoices(const QString &device, const QString &mode, int dpi);

    // The device the last whole page came from.
    QString lastScanDevice() const { return m_lastScanDevice; }
    void setLastScanDevice(const QString &device) { m_lastScanDevice = device; }

    // A device's choices: none for a device never chosen on.
    DeviceChoices choices(const QString &device) const { return m_choices.value(device); }
    void setChoices(const QString &device, const DeviceChoices &choices)
    {
        m_choices[device] = choices;
    }
    QStringList devices() const { return m_choices.keys(); }

    // What a device is, as SANE listed it; only the name for one never listed.
    ScanDevice identity(const QString &device) const;
    void setIdentity(const ScanDevice &device) { m_identities[device.name] = device; }

    // A device of an earlier run whose name is not listed takes the name of
    // a listed one of the same vendor, model and type that has no choices of
    // its own, with its choices. Returns what chosen is called now: itself,
    // its new name, or empty when it is neither listed nor found again.
    QString findAgain(const QList<ScanDevice> &listed, const QString &chosen);

    // An option the user set goes after the others, so a setting that
    // depends on another (the source before its own options) is set after it.
    void chooseOption(const QString &device, const QString &name, const QVariant &value);
    // What the device took for an option chosen before, in its place.
    void takeValue(const QString &device, const QString &name, const QVariant &value);
    void chooseArea(const QString &device, const QString &paperSize, const QRectF &customArea);

    // The last preview of a device's whole bed, kept for the run only: a
    // picture of what lay on the glass is no setting.
    QImage preview(const QString &device) const { return m_previews.value(device); }
    void setPreview(const QString &device, const QImage &picture) { m_previews[device] = picture; }

private:
    QString m_lastScanDevice;
    QString m_lastMode; // of the last scan, whatever its device
    int m_lastResolution = 0;
    QHash<QString, DeviceChoices> m_choices;
    QHash<QString, QImage> m_previews;
    QHash<QString, ScanDevice> m_identities;
};
