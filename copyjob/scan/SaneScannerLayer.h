#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/SaneApi.h"
#include "copyjob/scan/SaneDevice.h"
#include "copyjob/scan/ScannerLayer.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class ScanJob;

// The scanner layer over SANE. libsane is loaded the first time scanning is
// asked about, never at start-up, so a machine without SANE starts normally.
// Devices are opened for one acquisition and closed after it, so a scanner
// unplugged and plugged back in between two copies is simply opened again.
class SaneScannerLayer : public ScannerLayer
{
public:
    explicit SaneScannerLayer(QString libraryFile = QStringLiteral("libsane.so.1"));
    ~SaneScannerLayer() override;

    SaneScannerLayer(const SaneScannerLayer &) = delete;
    SaneScannerLayer &operator=(const SaneScannerLayer &) = delete;

    int TWAIN_IsAvailable() override;
    int TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) override;
    int TWAIN_SelectImageSource(QWidget *owner) override;
    int TWAIN_EasyVersion() override;

    // Options set on the device right before every scan, after the scan
    // dialog's own resolution, mode and area, in the order first given (a
    // later value for the same name replaces the earlier one in its place).
    // Value types: bool, int, double (fixed options) or QString. Meant for
    // tests and benchmarks: "test-picture", "read-return-value", "depth",
    // "three-pass", "br-x" ... A preset the device refuses is shown as an
    // error in the scan dialog.
    void setOptionPreset(const QString &saneOptionName, const QVariant &value);
    void clearOptionPresets();

    // The SANE name of the device the next scan uses; empty until one was
    // chosen or found.
    QString currentDevice() const { return m_settings.device; }
    void setCurrentDevice(const QString &saneName) { m_settings.device = saneName; }
    // The SANE name of the device the last successful scan came from.
    QString lastScanDevice() const { return m_lastScanDevice; }

    // The most memory one page may take; 0 (the default) means the machine's.
    void setMemoryLimit(qint64 bytes) { m_memoryLimit = bytes; }
    qint64 memoryLimit() const { return m_memoryLimit; }

    // --- for the scan and source dialogs -----------------------------------

    // What the scan dialog remembers for the rest of the run.
    struct ScanSettings
    {
        QString device;
        int resolution = 0; // dpi; 0: not chosen yet
        QString mode;       // SANE scan mode; empty: not chosen yet
    };
    ScanSettings &scanSettings() { return m_settings; }

    // Asks SANE which devices are there (this may take a while on a network).
    QList<SaneDeviceInfo> listDevices();

    // Opens the device by SANE name, or the first one found when name is
    // empty. A device that does not answer to its name is looked up again,
    // with SANE restarted if need be, before this gives up with a message.
    struct Opened
    {
        std::unique_ptr<SaneDevice> device;
        QString error;
    };
    Opened openDevice(const QString &name);

    Outcome applyOptionPresets(SaneDevice &device) const;
    const SaneApi &api() const { return m_api; }
    void noteScanned(const QString &deviceName, const QImage &page)
    {
        m_lastScanDevice = deviceName;
        m_acquiredPage = page;
    }

    // A scan whose device would not stop in time: kept until it ends, so its
    // handle is closed only then.
    void keepUntilFinished(std::unique_ptr<ScanJob> job, std::unique_ptr<SaneDevice> device);

private:
    bool load();
    bool restartSane();
    void reapAbandoned(int waitMsecs);
    SaneDeviceInfo knownInfo(const QString &name) const;

    QString m_libraryFile;
    void *m_handle = nullptr;
    bool m_initialised = false;
    int m_versionCode = 0;
    SaneApi m_api;

    ScanSettings m_settings;
    QString m_lastScanDevice;
    QList<SaneDeviceInfo> m_knownDevices;
    QList<QPair<QString, QVariant>> m_presets;
    qint64 m_memoryLimit = 0;

    struct Abandoned
    {
        std::unique_ptr<ScanJob> job;
        std::unique_ptr<SaneDevice> device;
    };
    std::vector<Abandoned> m_abandoned;
};
