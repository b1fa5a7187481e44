#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class SaneDevice;
class SaneScannerLayer;
class ScanJob;

// The modal dialog an acquisition runs in: the scanner in use, resolution and
// colour mode, Scan (Enter) and Cancel (Esc). While scanning it shows
// progress and Cancel still works; scanner errors appear in it with Retry.
// Accepted means the page is on the clipboard.
//
// For tests that drive it: objectName "ScanDialog"; children "deviceLabel",
// "resolutionBox", "modeBox", "progressBar", "messageLabel", "scanButton",
// "cancelButton"; properties "scanning" and "message".
class ScanDialog : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(bool scanning READ isScanning)
    Q_PROPERTY(QString message READ message)
public:
    // pixelTypes: the kinds of picture the caller takes (1 black and white,
    // 2 grey, 4 colour, summed); 0 takes any.
    ScanDialog(SaneScannerLayer &layer, int pixelTypes, QWidget *parent = nullptr);
    ~ScanDialog() override;

    bool isScanning() const;
    QString message() const;

public slots:
    void reject() override;

private:
    bool prepareDevice();
    void fillChoices();
    void startScan();
    void onScanFinished();
    void updateProgress();
    void showMessage(const QString &text);
    void setScanning(bool scanning);
    void forceCancel();
    void stopWaiting();
    void dropJob();

    SaneScannerLayer &m_layer;
    int m_pixelTypes;
    std::unique_ptr<SaneDevice> m_device;
    std::unique_ptr<ScanJob> m_job;
    bool m_closing = false;
    QTimer m_progressTimer;

    QLabel *m_deviceLabel = nullptr;
    QComboBox *m_resolutionBox = nullptr;
    QComboBox *m_modeBox = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_messageLabel = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
