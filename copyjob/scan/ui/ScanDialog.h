// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/sane/SaneDevice.h"
#include "copyjob/scan/sane/ScanOption.h"
#include "copyjob/scan/session/ScanMemory.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class ScanOptionsPanel;
class ScanSession;

// The modal dialog an acquisition runs in: the scanner in use, resolution and
// colour mode, Scan (Enter) and Cancel (Esc). While scanning it shows
// progress and Cancel still works; scanner errors, a driver that stopped
// working and a scanner that sends nothing appear in it, with Retry (or
// Keep waiting). Accepted means a whole page arrived: page(). What the user
// chooses goes into the ScanMemory it is given, and the next dialog starts
// from there.
//
// For tests that drive it: objectName "ScanDialog"; children "deviceLabel",
// "resolutionBox", "modeBox", "optionsPanel" (the device's own settings, see
// ScanOptionsPanel), "progressBar", "messageLabel", "scanButton",
// "cancelButton"; properties "state" (a State, read by its name) and
// "message".
class ScanDialog : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(State state READ state)
    Q_PROPERTY(QString message READ message)
public:
    // Where the dialog is in its flow; the buttons and controls follow it.
    enum class State {
        Looking,  // the device is being opened: its choices are not there yet
        Ready,    // waiting for the user to choose or to press Scan
        Setting,  // a changed setting is on its way to the device
        Scanning, // a page is coming: progress and Cancel
        Failed,   // a message with Retry, which opens the device afresh and scans
        Retrying, // opening afresh after Retry; the scan follows by itself
        Stalled,  // the device sent nothing for too long: Keep waiting
        Closing,  // Cancel pressed during a scan: waiting for it to stop
    };
    Q_ENUM(State)

    // pixelTypes: the kinds of picture the caller takes (1 black and white,
    // 2 grey, 4 colour, summed); 0 takes any.
    ScanDialog(ScanSession &session, ScanMemory &memory, int pixelTypes, QWidget *parent = nullptr);

    State state() const { return m_state; }
    QString message() const;
    // The page scanned, once accepted.
    QImage page() const { return m_page; }

signals:
    // A scan begins with the choices now in the ScanMemory.
    void scanStarting();

public slots:
    void reject() override;

private:
    void setState(State state);
    State flow() const;
    void setControlsEnabled(bool enabled);
    void openDevice(State opening);
    void onOpened(const QString &error, const SaneDeviceInfo &device,
                  const QList<ScanOption> &options);
    void showChoices(const QList<ScanOption> &options);
    void showOpenFailure(const QString &error);
    void onOptionSet(const QString &error, const QList<ScanOption> &options);
    void onEnter();
    void scan();
    void takeScanChoices();
    void onProgress(qint64 received, qint64 expected);
    void onScanEnded(const QImage &page, const QString &error, bool cancelled);
    void onTrouble(const QString &message);
    void onStalled(const QString &message);
    void showMessage(const QString &text);
    void offer(const QString &button);
    void onOptionChanged(const QString &name, const QVariant &value);
    void sendNextOption();
    void restoreChoices(const QList<ScanOption> &options, bool firstOpen);
    ScanMemory::DeviceChoices fittingChoices(const QList<ScanOption> &options);

    ScanSession &m_session;
    ScanMemory &m_memory;
    int m_pixelTypes;
    State m_state = State::Looking;
    State m_stalledFrom = State::Looking; // what Keep waiting goes back to
    QList<QPair<QString, QVariant>> m_toSet;
    QString m_lastSet;
    QImage m_page;

    QLabel *m_deviceLabel = nullptr;
    QComboBox *m_resolutionBox = nullptr;
    QComboBox *m_modeBox = nullptr;
    ScanOptionsPanel *m_options = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
