// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/helper/ScannerServer.h"

#include <sane/saneopts.h>

#include <QCoreApplication>

#include <dirent.h>
#include <dlfcn.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

using namespace ScannerProtocol;

namespace {

constexpr int kProgressMsecs = 100;
// Cancel asks the reading thread to stop at its next block; a device that
// sends nothing by then gets sane_cancel. One that still hangs is Mirel's to
// end.
constexpr int kForceCancelMsecs = 400;
// A page that has stopped coming this long while one of the helper's network
// connections is closed will not come: a scanner pausing to move its head
// keeps its connection.
constexpr int kQuietBeforeLostMsecs = 2000;

using Code = ScanError::Code;

// A scanner on the network that stopped answering is not a cable to check.
ScanError seenOn(const ScanDevice &device, const ScanError &error)
{
    if (device.networked && error.code == Code::DeviceStatus && error.status == ScanStatus::IoError)
        return ScanError::of(Code::ConnectionLost, {device.name});
    return error;
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

} // namespace

ScannerServer::ScannerServer(int channelFd)
    : m_channel(channelFd), m_notifier(channelFd, QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &ScannerServer::onReadable);
    m_progress.setInterval(kProgressMsecs);
    connect(&m_progress, &QTimer::timeout, this, &ScannerServer::sendProgress);
    connect(&m_progress, &QTimer::timeout, this, &ScannerServer::watchConnection);
}

void ScannerServer::onReadable()
{
    const bool open = m_channel.receive();
    while (auto message = m_channel.next())
        handle(*message);
    if (!open)
        quit();
}

void ScannerServer::quit()
{
    m_notifier.setEnabled(false);
    // A device stuck in a read cannot be closed under its thread: leave
    // at once, the system takes back what SANE held.
    if (m_reader && m_reader->isRunning())
        ::_exit(0);
    m_reader.reset();
    m_device.reset();
    if (m_initialised)
        m_api.exit();
    QCoreApplication::exit(0);
}

void ScannerServer::handle(const Message &message)
{
    switch (message.type) {
    case Type::Hello: {
        unpack(message.payload, m_libraryFile);
        const bool ok = load();
        const int version = m_version;
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
        sendOpened();
        break;
    }
    case Type::SetOption: {
        QString name;
        QVariant value;
        unpack(message.payload, name, value);
        const ScanError set =
            m_device ? m_device->setOption(name, value) : ScanError::of(Code::NoScannerOpen);
        const QList<ScanOption> options = m_device ? m_device->options() : QList<ScanOption>{};
        m_channel.send(Type::OptionSet, pack(set, options));
        break;
    }
    case Type::Scan: {
        ScanRequest request;
        unpack(message.payload, request);
        startScan(request);
        break;
    }
    case Type::Cancel:
        if (m_reader) {
            m_reader->requestCancel();
            QTimer::singleShot(kForceCancelMsecs, m_reader.get(), [this, job = m_reader.get()] {
                if (m_reader.get() == job && job->isRunning())
                    m_reader->cancelNow();
            });
        }
        break;
    case Type::EndStack:
        // The last sheet's scan was left open for the next one.
        if (m_device && !m_reader)
            m_api.cancel(m_device->handle());
        break;
    case Type::Quit:
        quit();
        break;
    default:
        break;
    }
}

void ScannerServer::sendOpened()
{
    const ScanDevice info = m_device ? m_device->info() : ScanDevice{};
    const QList<ScanOption> options = m_device ? m_device->options() : QList<ScanOption>{};
    m_channel.send(Type::Opened, pack(m_openError, info, options));
}

// A scan server that stopped or restarted closes its connections, and SANE's
// net backend then answers every read with "good, 0 bytes" for ever: Mirel
// hears of it as soon as the page has stopped coming for a moment, rather
// than after the long silence a warming lamp is allowed.
void ScannerServer::watchConnection()
{
    if (!m_reader)
        return;
    const qint64 bytes = m_reader->receivedBytes();
    if (m_reader.get() != m_watchedScan || bytes != m_watchedBytes) {
        m_watchedScan = m_reader.get();
        m_watchedBytes = bytes;
        m_sinceBytes.start();
        m_unreachableSaid = false;
        return;
    }
    if (m_unreachableSaid || m_sinceBytes.elapsed() < kQuietBeforeLostMsecs || !lostConnection())
        return;
    m_unreachableSaid = true;
    const QString device = m_device ? m_device->info().name : QString();
    m_channel.send(Type::Unreachable, pack(ScanError::of(Code::ConnectionLost, {device})));
}

bool ScannerServer::load()
{
    // Over a connection its server has closed, SANE's net backend cannot
    // even list its devices (it crashes freeing the reply it never got):
    // SANE starts afresh and connects anew.
    if (m_initialised && !m_reader && lostConnection())
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
    m_version = saneVersionTimes100(SANE_VERSION_MAJOR(code), SANE_VERSION_MINOR(code));
    m_initialised = true;
    return true;
}

bool ScannerServer::restartSane()
{
    if (!m_initialised || m_reader)
        return false;
    m_device.reset();
    m_api.exit();
    m_initialised = false;
    m_known.clear();
    return load();
}

QList<ScanDevice> ScannerServer::listDevices()
{
    m_known.clear();
    const SANE_Device **list = nullptr;
    if (!load() || m_api.get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return {};
    for (const SANE_Device **d = list; *d; ++d)
        m_known.append(scanDeviceOf(**d));
    return m_known;
}

// Opens the device by name, or the first one found when name is empty. A
// device that does not answer to its name is looked up again, with SANE
// restarted if need be (some backends look only when SANE starts, and a
// network backend keeps a connection that may have died), before this
// gives up with a message.
void ScannerServer::openDevice(const QString &name)
{
    // The device stays open from one scan to the next, as a feeder
    // needs: some drivers count the sheets only while their handle is
    // open. A scan that failed closed it, so one that went away is
    // looked for afresh.
    if (m_device && (name.isEmpty() || name == m_device->info().name) && stillAnswers()) {
        m_openError = {};
        return;
    }
    m_device.reset();
    m_openError = {};
    if (!load()) {
        m_openError = ScanError::of(Code::SaneUnavailable);
        return;
    }
    QString target = name;
    if (target.isEmpty()) {
        QList<ScanDevice> found = listDevices();
        if (found.isEmpty() && restartSane())
            found = listDevices();
        if (found.isEmpty()) {
            m_openError = ScanError::of(Code::NoScanner);
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
    ScanDevice info{target, {}, {}, {}, isNetworkDevice(target)};
    const auto known = std::find_if(m_known.cbegin(), m_known.cend(),
                                    [&](const ScanDevice &d) { return d.name == target; });
    if (known != m_known.cend())
        info = *known;
    if (status != SANE_STATUS_GOOD) {
        if (known != m_known.cend() || status == SANE_STATUS_DEVICE_BUSY ||
            status == SANE_STATUS_ACCESS_DENIED)
            m_openError = seenOn(info, saneFailure(status));
        else
            m_openError = ScanError::of(Code::NotConnected, {target});
        return;
    }
    m_device = std::make_unique<SaneDevice>(m_api, handle, info);
}

// A network scanner whose server went away since the last scan no
// longer answers even the count of its options.
bool ScannerServer::stillAnswers() const
{
    SANE_Word count = 0;
    return m_api.control_option(m_device->handle(), 0, SANE_ACTION_GET_VALUE, &count, nullptr) ==
           SANE_STATUS_GOOD;
}

// The dialog's settings, then the whole bed, then the user's choices and
// the presets: what comes later narrows or overrides what came before.
ScanError ScannerServer::applySettings(const ScanRequest &request)
{
    if (!m_device)
        return ScanError::of(Code::NoScannerOpen);
    ScanSettings dialog;
    if (!request.mode.isEmpty())
        dialog.append({QStringLiteral(SANE_NAME_SCAN_MODE), request.mode});
    if (request.resolution > 0)
        dialog.append({QStringLiteral(SANE_NAME_SCAN_RESOLUTION), request.resolution});
    ScanError set;
    for (const auto &[name, value] : dialog)
        if (!set)
            set = m_device->setOption(name, value);
    if (!set && request.wholeBed)
        set = m_device->coverWholeBed();
    for (const ScanSettings *settings : {&request.chosen, &request.presets})
        for (const auto &[name, value] : *settings)
            if (!set)
                set = m_device->setOption(name, value);
    return set;
}

void ScannerServer::startScan(const ScanRequest &request)
{
    if (m_reader)
        return;
    // A later sheet of a batch comes as the first did: the device is
    // scanning with those settings still, and some refuse them meanwhile.
    m_sheet = request.sheet;
    const ScanError set = m_sheet > 1 && m_device ? ScanError() : applySettings(request);
    if (set) {
        m_device.reset(); // may have gone; opened afresh on Retry
        m_channel.send(Type::Failed, pack(set));
        return;
    }
    m_reader = std::make_unique<SaneReader>(
        m_api, m_device->handle(), m_device->resolution(), request.memoryLimit,
        [this](int w, int h, QImage::Format f, qint64 bpl) {
            return m_page.allocate(w, h, f, bpl);
        },
        m_sheet == 0);
    connect(m_reader.get(), &SaneReader::finished, this, &ScannerServer::onScanFinished);
    m_progress.start();
    m_reader->start();
}

void ScannerServer::sendProgress()
{
    if (m_reader)
        m_channel.send(Type::Progress, pack(m_reader->receivedBytes(), m_reader->expectedBytes()));
}

void ScannerServer::onScanFinished()
{
    m_progress.stop();
    std::unique_ptr<SaneReader> job(m_reader.release());
    QImage page = !job->error() && !job->wasCancelled() ? job->takeImage() : QImage();
    const PageHeader header = SharedPage::headerOf(page);
    const bool whole = !page.isNull();
    // The helper's own writable mapping goes before the seal, which it forbids.
    page = QImage();
    const int fd = m_page.take();
    const ScanError error = m_device ? seenOn(m_device->info(), job->error()) : job->error();
    const bool feederEmpty = m_sheet > 1 && job->deviceStatus() == SANE_STATUS_NO_DOCS;
    job.release()->deleteLater(); // called from its own signal
    // The normal end of a stack; the device stays open.
    if (feederEmpty) {
        if (fd >= 0)
            ::close(fd);
        m_channel.send(Type::FeederEmpty);
        return;
    }
    if (!whole || fd < 0) {
        m_device.reset(); // opened afresh on Retry
        if (fd >= 0)
            ::close(fd);
        ScanError why = error ? error : ScanError::of(Code::NoPicture);
        if (whole) // a duplicate of the page that a driver maps writable
            why = ScanError::of(Code::PageNotTaken);
        m_channel.send(Type::Failed, pack(why));
        return;
    }
    m_channel.send(Type::Page, pack(header), fd);
    ::close(fd);
}
