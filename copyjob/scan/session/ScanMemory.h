// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/protocol/ScannerProtocol.h"

#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the scan dialog remembers of the user's choices: the colour mode and
// resolution of the last scan, whatever its device, and for each scanner (by
// its SANE name) its own options in the order chosen and the paper size. A
// plain holder that decides nothing: the scanner layer owns one and hands it
// to its dialogs, which say when a choice is taken.
class ScanMemory
{
public:
    struct DeviceChoices
    {
        ScannerProtocol::Settings options; // in the order chosen, one per name
        QString paperSize;                 // empty: the whole area
        QRectF customArea;                 // millimetres
    };

    // The mode and resolution of the last scan, for the next dialog to show.
    QString mode() const { return m_mode; }
    int resolution() const { return m_resolution; }
    void setScanChoices(const QString &mode, int dpi)
    {
        m_mode = mode;
        m_resolution = dpi;
    }

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
    QString m_mode;
    int m_resolution = 0;
    QString m_lastScanDevice;
    QHash<QString, DeviceChoices> m_choices;
    QHash<QString, QImage> m_previews;
};
