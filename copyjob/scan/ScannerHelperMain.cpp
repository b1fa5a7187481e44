// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mirel-scanner: runs SANE for Mirel in a process of its own, so a scanner
// driver that crashes, hangs or loses its network takes only this process
// with it. Mirel starts it with one end of a socket pair as descriptor 3 and
// talks to it in the messages of ScannerProtocol.

#include "copyjob/scan/SaneApi.h"
#include "copyjob/scan/SaneDevice.h"
#include "copyjob/scan/ScanJob.h"
#include "copyjob/scan/ScannerProtocol.h"

#include <sane/saneopts.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <dirent.h>
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <mutex>

using namespace ScannerProtocol;

namespace {

constexpr int kChannelFd = 3;
constexpr int kProgressMsecs = 100;
// Cancel asks the reading thread to stop at its next block; a device that
// sends nothing by then gets sane_cancel. One that still hangs is Mirel's to
// end.
constexpr int kForceCancelMsecs = 400;

QString say(const char *text)
{
    return QCoreApplication::translate("Scanner", text);
}

// True when a TCP connection this process holds has been closed by its peer,
// as a network backend's is once its scan server stopped or restarted.
bool lostConnection()
{
    DIR *fds = opendir("/proc/self/fd");
    bool lost = false;
    while (const dirent *entry = fds && !lost ? readdir(fds) : nullptr) {
        const int fd = atoi(entry->d_name);
        int domain = 0, type = 0;
        socklen_t size = sizeof domain;
        pollfd peer{fd, POLLRDHUP, 0};
        lost = getsockopt(fd, SOL_SOCKET, SO_DOMAIN, &domain, &size) == 0 &&
               (domain == AF_INET || domain == AF_INET6) &&
               getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &size) == 0 && type == SOCK_STREAM &&
               poll(&peer, 1, 0) > 0 && (peer.revents & (POLLRDHUP | POLLHUP | POLLERR));
    }
    if (fds)
        closedir(fds);
    return lost;
}

// The page's memory: a memfd mapped here and written in place by the
// assembler, then handed to Mirel, which maps the same pages.
struct SharedPage
{
    std::mutex lock;
    int fd = -1;

    QImage allocate(int width, int height, QImage::Format format, qint64 bytesPerLine)
    {
        const qint64 bytes = bytesPerLine * height;
        const int memfd = memfd_create("mirel-page", MFD_CLOEXEC);
        if (memfd < 0 || bytes <= 0 || ftruncate(memfd, bytes) != 0) {
            if (memfd >= 0)
                ::close(memfd);
            return {};
        }
        void *data = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_SHARED, memfd, 0);
        if (data == MAP_FAILED) {
            ::close(memfd);
            return {};
        }
        {
            std::lock_guard guard(lock);
            if (fd >= 0)
                ::close(fd);
            fd = memfd;
        }
        return QImage(
            static_cast<uchar *>(data), width, height, bytesPerLine, format,
            [](void *info) {
                auto *mapping = static_cast<std::pair<void *, size_t> *>(info);
                munmap(mapping->first, mapping->second);
                delete mapping;
            },
            new std::pair<void *, size_t>(data, size_t(bytes)));
    }
    int take()
    {
        std::lock_guard guard(lock);
        return std::exchange(fd, -1);
    }
};

class Server : public QObject
{
public:
    Server() : m_channel(kChannelFd), m_notifier(kChannelFd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &Server::onReadable);
        m_progress.setInterval(kProgressMsecs);
        connect(&m_progress, &QTimer::timeout, this, &Server::sendProgress);
    }

private:
    void onReadable()
    {
        const bool open = m_channel.receive();
        while (auto message = m_channel.next())
            handle(*message);
        if (!open)
            quit();
    }

    void quit()
    {
        m_notifier.setEnabled(false);
        // A device stuck in a read cannot be closed under its thread: leave
        // at once, the system takes back what SANE held.
        if (m_job && m_job->isRunning())
            ::_exit(0);
        m_job.reset();
        m_device.reset();
        if (m_initialised)
            m_api.exit();
        QCoreApplication::exit(0);
    }

    void handle(const Message &message)
    {
        switch (message.type) {
        case Type::Hello: {
            unpack(message.payload, m_libraryFile);
            const bool ok = load();
            const int version = m_versionCode;
            m_channel.send(Type::HelloReply, pack(ok, version));
            break;
        }
        case Type::List:
            m_channel.send(Type::Devices, pack(listDevices()));
            break;
        case Type::Open: {
            QString name;
            unpack(message.payload, name);
            openDevice(name);
            sendOpened({});
            break;
        }
        case Type::SetOption: {
            QString name;
            QVariant value;
            unpack(message.payload, name, value);
            Outcome set = m_device ? m_device->setOption(name, value)
                                   : Outcome::failure(say("No scanner is open."));
            sendOpened(set.ok ? QString() : set.message);
            break;
        }
        case Type::Scan: {
            Settings settings;
            qint64 memoryLimit = 0;
            unpack(message.payload, settings, memoryLimit);
            startScan(settings, memoryLimit);
            break;
        }
        case Type::Cancel:
            if (m_job) {
                m_job->requestCancel();
                QTimer::singleShot(kForceCancelMsecs, m_job.get(), [this, job = m_job.get()] {
                    if (m_job.get() == job && job->isRunning())
                        m_job->cancelNow();
                });
            }
            break;
        case Type::Quit:
            quit();
            break;
        default:
            break;
        }
    }

    void sendOpened(const QString &error)
    {
        const QString why = !error.isEmpty() ? error : m_openError;
        const SaneDeviceInfo info = m_device ? m_device->info() : SaneDeviceInfo{};
        const QList<ScanOption> options = m_device ? m_device->options() : QList<ScanOption>{};
        m_channel.send(Type::Opened, pack(why, info, options));
    }

    bool load()
    {
        // Over a connection its server has closed, SANE's net backend cannot
        // even list its devices (it crashes freeing the reply it never got):
        // SANE starts afresh and connects anew.
        if (m_initialised && !m_job && lostConnection())
            restartSane();
        if (m_initialised)
            return true;
        if (!m_library) {
            m_library = dlopen(m_libraryFile.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
            if (!m_library)
                return false;
            if (!m_api.resolve(m_library)) {
                dlclose(m_library);
                m_library = nullptr;
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

    bool restartSane()
    {
        if (!m_initialised || m_job)
            return false;
        m_device.reset();
        m_api.exit();
        m_initialised = false;
        m_known.clear();
        return load();
    }

    QList<SaneDeviceInfo> listDevices()
    {
        m_known.clear();
        const SANE_Device **list = nullptr;
        if (!load() || m_api.get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
            return {};
        for (const SANE_Device **d = list; *d; ++d)
            m_known.append({QString::fromUtf8((*d)->name), QString::fromUtf8((*d)->vendor),
                            QString::fromUtf8((*d)->model), QString::fromUtf8((*d)->type)});
        return m_known;
    }

    // Opens the device by name, or the first one found when name is empty. A
    // device that does not answer to its name is looked up again, with SANE
    // restarted if need be (some backends look only when SANE starts, and a
    // network backend keeps a connection that may have died), before this
    // gives up with a message.
    void openDevice(const QString &name)
    {
        // The device stays open from one scan to the next, as a feeder
        // needs: some drivers count the sheets only while their handle is
        // open. A scan that failed closed it, so one that went away is
        // looked for afresh.
        if (m_device && (name.isEmpty() || name == m_device->info().name) && stillAnswers()) {
            m_openError.clear();
            return;
        }
        m_device.reset();
        m_openError.clear();
        if (!load()) {
            m_openError = say("SANE, the scanning library, could not be started.");
            return;
        }
        QString target = name;
        if (target.isEmpty()) {
            QList<SaneDeviceInfo> found = listDevices();
            if (found.isEmpty() && restartSane())
                found = listDevices();
            if (found.isEmpty()) {
                m_openError = say("No scanner was found. Connect a scanner and switch it on, "
                                  "then choose Retry.");
                return;
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
            listDevices();
            status = m_api.open(saneName.constData(), &handle);
            if (mayHaveMoved() && restartSane()) {
                listDevices();
                status = m_api.open(saneName.constData(), &handle);
            }
        }
        if (status != SANE_STATUS_GOOD) {
            const bool present =
                std::any_of(m_known.cbegin(), m_known.cend(),
                            [&](const SaneDeviceInfo &d) { return d.name == target; });
            if (present || status == SANE_STATUS_DEVICE_BUSY || status == SANE_STATUS_ACCESS_DENIED)
                m_openError = statusMessage(status, target);
            else
                m_openError = say("The scanner %1 is not connected. Connect it and switch it on, "
                                  "then choose Retry.")
                                  .arg(target);
            return;
        }
        SaneDeviceInfo info{target, {}, {}, {}};
        for (const SaneDeviceInfo &known : m_known)
            if (known.name == target)
                info = known;
        m_device = std::make_unique<SaneDevice>(m_api, handle, info);
    }

    // A network scanner whose server went away since the last scan no
    // longer answers even the count of its options.
    bool stillAnswers() const
    {
        SANE_Word count = 0;
        return m_api.control_option(m_device->handle(), 0, SANE_ACTION_GET_VALUE, &count,
                                    nullptr) == SANE_STATUS_GOOD;
    }

    static QString statusMessage(SANE_Status status, const QString &device)
    {
        // A scanner on the network that stopped answering is not a cable to check.
        if (status == SANE_STATUS_IO_ERROR && device.startsWith(QLatin1String("net:")))
            return say("The scanner %1 can no longer be reached. Check the network and the "
                       "scan server, then choose Retry.")
                .arg(device);
        return saneStatusMessage(status);
    }

    void startScan(const Settings &settings, qint64 memoryLimit)
    {
        if (m_job)
            return;
        Outcome set = m_device ? Outcome::success() : Outcome::failure(say("No scanner is open."));
        for (qsizetype i = 0; set.ok && i < settings.size(); ++i) {
            // An empty name stands for the whole bed, where the dialog's
            // settings end and the presets begin.
            if (settings[i].first.isEmpty())
                set = m_device->coverWholeBed();
            else
                set = m_device->setOption(settings[i].first, settings[i].second);
        }
        if (!set.ok) {
            m_device.reset(); // may have gone; opened afresh on Retry
            m_channel.send(Type::Failed, pack(set.message, false));
            return;
        }
        m_job = std::make_unique<ScanJob>(m_api, m_device->handle(), m_device->resolution(),
                                          memoryLimit,
                                          [this](int w, int h, QImage::Format f, qint64 bpl) {
                                              return m_page.allocate(w, h, f, bpl);
                                          });
        connect(m_job.get(), &ScanJob::finished, this, &Server::onScanFinished);
        m_progress.start();
        m_job->start();
    }

    void sendProgress()
    {
        if (m_job)
            m_channel.send(Type::Progress, pack(m_job->receivedBytes(), m_job->expectedBytes()));
    }

    void onScanFinished()
    {
        m_progress.stop();
        std::unique_ptr<ScanJob> job(m_job.release());
        const bool cancelled = job->wasCancelled();
        QImage page = job->outcome().ok && !cancelled ? job->takeImage() : QImage();
        const int fd = m_page.take();
        const QString deviceName = m_device ? m_device->info().name : QString();
        QString message = job->outcome().message;
        if (message == saneStatusMessage(SANE_STATUS_IO_ERROR))
            message = statusMessage(SANE_STATUS_IO_ERROR, deviceName);
        job.release()->deleteLater(); // called from its own signal
        if (page.isNull() || fd < 0) {
            m_device.reset(); // opened afresh on Retry
            if (fd >= 0)
                ::close(fd);
            const QString why = message.isEmpty() ? say("The scanner sent no picture.") : message;
            m_channel.send(Type::Failed, pack(why, cancelled));
            return;
        }
        m_channel.send(Type::Page,
                       pack(page.width(), page.height(), int(page.format()),
                            qint64(page.bytesPerLine()), page.dotsPerMeterX(),
                            page.dotsPerMeterY()),
                       fd);
        ::close(fd);
    }

    Channel m_channel;
    QSocketNotifier m_notifier;
    QTimer m_progress;
    QString m_libraryFile = QStringLiteral("libsane.so.1");
    void *m_library = nullptr;
    SaneApi m_api;
    bool m_initialised = false;
    int m_versionCode = 0;
    QList<SaneDeviceInfo> m_known;
    QString m_openError;
    std::unique_ptr<SaneDevice> m_device;
    std::unique_ptr<ScanJob> m_job;
    SharedPage m_page;
};

} // namespace

int main(int argc, char *argv[])
{
    // A network backend writing to a server that has gone gets EPIPE, not death.
    signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    Server server;
    return app.exec();
}
