// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/ScannerLayer.h"
#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/session/ScanSettingsFile.h"

#include <QString>
#include <QVariant>

#include <optional>

class ScanDialog;

// The scanner layer over SANE: the five operations, showing the scan and
// source dialogs over a ScanSession and the choices they remember. SANE runs in the session's
// helper process, started on the first Copy or Select Source, never at start-up, so a machine
// without SANE starts normally and a driver that fails cannot take Mirel down.
//
// The choices are kept from one run to the next as a scanner library's source manager and
// driver dialogs keep theirs (ScanSettingsFile): read on the first Copy or Select Source,
// written when a scan starts and when Select Source picks a device. A file that cannot be
// written is said once on standard error; the copy goes on.
class SaneScannerLayer : public ScannerLayer
{
public:
    explicit SaneScannerLayer(QString libraryFile = QStringLiteral("libsane.so.1"));

    int TWAIN_IsAvailable() override;
    QImage TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) override;
    StackResult AcquireStack(QWidget *owner, int pixelTypes, PageSink &sink) override;
    int TWAIN_SelectImageSource(QWidget *owner) override;
    int TWAIN_EasyVersion() override;

    ScanSession &session() { return m_session; }
    // What the scan dialog remembers of the user's choices, for the run.
    ScanMemory &memory() { return m_memory; }

    // Shorthands for tests and benchmarks; see ScanSession.
    void setOptionPreset(const QString &name, const QVariant &value)
    {
        m_session.setOptionPreset(name, value);
    }
    void clearOptionPresets() { m_session.clearOptionPresets(); }
    QString currentDevice() const { return m_session.currentDevice(); }
    void setCurrentDevice(const QString &name) { m_session.setCurrentDevice(name); }
    QString lastScanDevice() const { return m_memory.lastScanDevice(); }
    void setMemoryLimit(qint64 bytes) { m_session.setMemoryLimit(bytes); }

private:
    bool runScanDialog(ScanDialog &dialog);
    void recallKept();
    void keep();
    void onListed(const QList<ScanDevice> &devices);

    ScanSession m_session;
    ScanMemory m_memory;
    std::optional<ScanSettingsFile> m_file; // once the choices were recalled
    QString m_keptChosen;                   // the device the file named
    bool m_findAgain = false;               // until the devices were listed
    bool m_saidUnkept = false;
};
