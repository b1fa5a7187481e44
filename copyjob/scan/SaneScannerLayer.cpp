#include "copyjob/scan/SaneScannerLayer.h"

#include "copyjob/scan/ScanDialog.h"
#include "copyjob/scan/ScanJob.h"
#include "copyjob/scan/SourceDialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <dlfcn.h>

SaneScannerLayer::SaneScannerLayer(QString libraryFile) : m_libraryFile(std::move(libraryFile)) {}

SaneScannerLayer::~SaneScannerLayer()
{
    reapAbandoned(2000);
    if (!m_abandoned.empty()) {
        // A device still stuck in a read: closing it or leaving SANE under it
        // would pull the ground from under that thread, so both stay.
        for (Abandoned &a : m_abandoned) {
            (void)a.job.release();
            (void)a.device.release();
        }
        return;
    }
    if (m_initialised)
        m_api.exit();
    // libsane stays mapped: backends may leave a reader thread or a handler
    // behind that still points into their code, and unloading buys nothing.
}

bool SaneScannerLayer::load()
{
    if (m_initialised)
        return true;
    if (!m_handle) {
        m_handle = dlopen(m_libraryFile.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (!m_handle)
            return false;
        if (!m_api.resolve(m_handle)) {
            dlclose(m_handle);
            m_handle = nullptr;
            return false;
        }
    }
    SANE_Int code = 0;
    if (m_api.init(&code, nullptr) != SANE_STATUS_GOOD)
        return false;
    m_versionCode = code;
    m_initialised = true;
    return true;
}

bool SaneScannerLayer::restartSane()
{
    reapAbandoned(0);
    if (!m_initialised || !m_abandoned.empty())
        return false;
    m_api.exit();
    m_initialised = false;
    m_knownDevices.clear();
    return load();
}

void SaneScannerLayer::reapAbandoned(int waitMsecs)
{
    QElapsedTimer clock;
    clock.start();
    for (auto it = m_abandoned.begin(); it != m_abandoned.end();) {
        const int left = std::max<qint64>(0, waitMsecs - clock.elapsed());
        if (it->job->wait(int(left))) {
            it->job.reset();
            it->device.reset();
            it = m_abandoned.erase(it);
        } else {
            ++it;
        }
    }
}

void SaneScannerLayer::keepUntilFinished(std::unique_ptr<ScanJob> job,
                                         std::unique_ptr<SaneDevice> device)
{
    m_abandoned.push_back({std::move(job), std::move(device)});
}

int SaneScannerLayer::TWAIN_IsAvailable()
{
    // A failed load is tried again on the next call: SANE may have been
    // installed since.
    return load() ? 1 : 0;
}

int SaneScannerLayer::TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes)
{
    if (!load())
        return 0;
    reapAbandoned(1000);
    ScanDialog dialog(*this, pixelTypes, owner);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

int SaneScannerLayer::TWAIN_SelectImageSource(QWidget *owner)
{
    if (!load())
        return 0;
    reapAbandoned(1000);
    SourceDialog dialog(listDevices(), m_settings.device, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedDevice().isEmpty())
        return 0;
    m_settings.device = dialog.selectedDevice();
    return 1;
}

int SaneScannerLayer::TWAIN_EasyVersion()
{
    if (!load())
        return 0;
    return saneVersionTimes100(SANE_VERSION_MAJOR(m_versionCode),
                               SANE_VERSION_MINOR(m_versionCode));
}

void SaneScannerLayer::setOptionPreset(const QString &saneOptionName, const QVariant &value)
{
    for (auto &preset : m_presets) {
        if (preset.first == saneOptionName) {
            preset.second = value;
            return;
        }
    }
    m_presets.append({saneOptionName, value});
}

void SaneScannerLayer::clearOptionPresets()
{
    m_presets.clear();
}

Outcome SaneScannerLayer::applyOptionPresets(SaneDevice &device) const
{
    for (const auto &preset : m_presets) {
        Outcome set = device.setOption(preset.first, preset.second);
        if (!set.ok)
            return set;
    }
    return Outcome::success();
}

QList<SaneDeviceInfo> SaneScannerLayer::listDevices()
{
    if (!load())
        return {};
    const SANE_Device **list = nullptr;
    m_knownDevices.clear();
    if (m_api.get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return {};
    for (const SANE_Device **d = list; *d; ++d) {
        m_knownDevices.append({QString::fromUtf8((*d)->name), QString::fromUtf8((*d)->vendor),
                               QString::fromUtf8((*d)->model), QString::fromUtf8((*d)->type)});
    }
    return m_knownDevices;
}

SaneDeviceInfo SaneScannerLayer::knownInfo(const QString &name) const
{
    for (const SaneDeviceInfo &info : m_knownDevices)
        if (info.name == name)
            return info;
    return {name, {}, {}, {}};
}

SaneScannerLayer::Opened SaneScannerLayer::openDevice(const QString &name)
{
    Opened opened;
    if (!load()) {
        opened.error = QCoreApplication::translate("Scanner", "SANE, the scanning library, "
                                                              "could not be started.");
        return opened;
    }
    QString target = name;
    if (target.isEmpty()) {
        QList<SaneDeviceInfo> found = listDevices();
        // A scanner plugged in after SANE started may only show after a restart.
        if (found.isEmpty() && restartSane())
            found = listDevices();
        if (found.isEmpty()) {
            opened.error = QCoreApplication::translate(
                "Scanner", "No scanner was found. Connect a scanner and switch it on, then "
                           "choose Retry.");
            return opened;
        }
        target = found.first().name;
    }

    const QByteArray saneName = target.toUtf8();
    SANE_Handle handle = nullptr;
    SANE_Status status = m_api.open(saneName.constData(), &handle);
    const auto mayHaveMoved = [&status] {
        return status != SANE_STATUS_GOOD && status != SANE_STATUS_DEVICE_BUSY &&
               status != SANE_STATUS_ACCESS_DENIED;
    };
    if (mayHaveMoved()) {
        // Unplugged and plugged back: the backend may need to look again,
        // and some only look when SANE starts.
        listDevices();
        status = m_api.open(saneName.constData(), &handle);
        if (mayHaveMoved() && restartSane()) {
            listDevices();
            status = m_api.open(saneName.constData(), &handle);
        }
    }
    if (status != SANE_STATUS_GOOD) {
        const bool present = std::any_of(m_knownDevices.cbegin(), m_knownDevices.cend(),
                                         [&](const SaneDeviceInfo &d) { return d.name == target; });
        opened.error = present ? saneStatusMessage(status)
                               : QCoreApplication::translate(
                                     "Scanner", "The scanner %1 is not connected. Connect it "
                                                "and switch it on, then choose Retry.")
                                     .arg(target);
        return opened;
    }
    opened.device = std::make_unique<SaneDevice>(m_api, handle, knownInfo(target));
    return opened;
}
