// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/sane/SaneDevice.h"
#include "copyjob/scan/sane/ScanOption.h"

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
// Keep waiting). Accepted means a whole page arrived: page().
//
// For tests that drive it: objectName "ScanDialog"; children "deviceLabel",
// "resolutionBox", "modeBox", "optionsPanel" (the device's own settings, see
// ScanOptionsPanel), "progressBar", "messageLabel", "scanButton",
// "cancelButton"; properties "scanning" (also while a setting goes to the
// device) and "message".
class ScanDialog : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(bool scanning READ isScanning)
    Q_PROPERTY(QString message READ message)
public:
    // pixelTypes: the kinds of picture the caller takes (1 black and white,
    // 2 grey, 4 colour, summed); 0 takes any.
    ScanDialog(ScanSession &session, int pixelTypes, QWidget *parent = nullptr);

    bool isScanning() const;
    QString message() const;
    // The page scanned, once accepted.
    QImage page() const { return m_page; }

public slots:
    void reject() override;

private:
    void openDevice();
    void onOpened(const QString &error, const SaneDeviceInfo &device,
                  const QList<ScanOption> &options);
    void onEnter();
    void onProgress(qint64 received, qint64 expected);
    void onScanEnded(const QImage &page, const QString &error, bool cancelled);
    void onTrouble(const QString &message);
    void onStalled(const QString &message);
    void showMessage(const QString &text);
    void offer(const QString &button);
    void setScanning(bool scanning);
    void onOptionChanged(const QString &name, const QVariant &value);
    void sendNextOption();
    void restoreChoices(const QList<ScanOption> &options, bool firstOpen);
    void rememberArea();

    enum class Next { Open, Scan, KeepWaiting };

    ScanSession &m_session;
    int m_pixelTypes;
    Next m_next = Next::Open;
    Next m_afterStall = Next::Open;
    bool m_closing = false;
    bool m_scanAfterOpen = false;
    bool m_everOpened = false;
    bool m_setting = false; // an option is on its way to the device
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
