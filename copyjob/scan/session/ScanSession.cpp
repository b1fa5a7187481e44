// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanSession.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

using namespace ScannerProtocol;

namespace {

// A scanner warming its lamp sends nothing until the lamp is steady: about a
// minute for the cold-cathode lamps of older flatbeds, and a network scanner
// adds its own delay. Ninety seconds leaves room for both before the user is
// asked whether to wait on; nothing is stopped without the user.
constexpr int kStallSeconds = 90;
// Once a page has begun to come, a scanner pauses only to move its head or to
// let its buffer drain: a longer silence is a driver that hangs.
constexpr int kStallAfterDataSeconds = 15;
// A scan asked to stop that still runs after this is ended with its helper.
constexpr int kCancelGraceMsecs = 2000;
// sane_init and the first answer of a fresh helper.
constexpr int kHelloMsecs = 20000;
constexpr int kHelperFd = 3;

QString defaultHelperPath;

QString say(const char *text)
{
    return QCoreApplication::translate("Scanner", text);
}

} // namespace

ScanSession::ScanSession(QString libraryFile, QObject *parent)
    : QObject(parent), m_libraryFile(std::move(libraryFile)), m_stallSeconds(kStallSeconds),
      m_stallAfterDataSeconds(kStallAfterDataSeconds)
{
    // A driver's dead socket lives in the helper, but Mirel's own end of the
    // pair must not kill it either when the helper is gone.
    signal(SIGPIPE, SIG_IGN);
    m_watch.setInterval(250);
    connect(&m_watch, &QTimer::timeout, this, &ScanSession::watch);
}

ScanSession::~ScanSession()
{
    if (m_channel && m_pending == Pending::None && m_channel->send(Type::Quit) &&
        m_process->waitForFinished(1000))
        return;
    endHelper();
}

void ScanSession::setDefaultHelperPath(const QString &path)
{
    defaultHelperPath = path;
}

QString ScanSession::helperPath() const
{
    if (!m_helperPath.isEmpty())
        return m_helperPath;
    if (!defaultHelperPath.isEmpty())
        return defaultHelperPath;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/mirel-scanner");
}

qint64 ScanSession::helperProcessId() const
{
    return m_process ? m_process->processId() : 0;
}

bool ScanSession::ensureHelper()
{
    if (m_channel && m_replaceHelper && m_pending == Pending::None)
        endHelper();
    if (m_channel)
        return true;
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return false;
    const int childEnd = fds[1];
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(helperPath());
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setChildProcessModifier([childEnd] {
        // The helper's end of the pair becomes its descriptor 3, and the
        // helper goes when Mirel goes.
        if (childEnd == kHelperFd)
            fcntl(childEnd, F_SETFD, 0);
        else
            dup2(childEnd, kHelperFd);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    m_process->start();
    const bool started = m_process->waitForStarted(5000);
    ::close(childEnd);
    if (!started) {
        ::close(fds[0]);
        m_process.reset();
        return false;
    }
    m_channel = std::make_unique<Channel>(fds[0]);
    m_notifier = std::make_unique<QSocketNotifier>(fds[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &ScanSession::onReadable);
    m_replaceHelper = false;
    return true;
}

void ScanSession::endHelper()
{
    m_notifier.reset();
    m_channel.reset();
    if (m_process) {
        m_process->kill();
        m_process->waitForFinished(2000);
        m_process.reset();
    }
    m_pending = Pending::None;
    m_openAfterList = false;
    m_watch.stop();
}

bool ScanSession::isAvailable()
{
    if (m_pending != Pending::None || !ensureHelper())
        return false;
    if (!m_channel->send(Type::Hello, pack(m_libraryFile))) {
        endHelper();
        return false;
    }
    m_notifier->setEnabled(false);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kHelloMsecs) {
        if (!m_channel->waitReadable(int(kHelloMsecs - clock.elapsed())))
            break;
        bool open = m_channel->receive();
        while (auto message = m_channel->next()) {
            bool ok = false;
            if (message->type != Type::HelloReply)
                continue;
            if (!unpack(message->payload, ok, m_versionCode))
                open = false; // a helper that garbles its first answer is no use either
            else {
                m_notifier->setEnabled(true);
                return ok;
            }
        }
        if (!open)
            break;
    }
    // A helper that cannot even start SANE in time is of no use.
    endHelper();
    return false;
}

bool ScanSession::request(Pending pending, Type type, const QByteArray &payload)
{
    m_pendingDevice = m_device;
    if (m_pending != Pending::None || !ensureHelper())
        return false;
    if (!m_channel->send(type, payload)) {
        helperGone();
        return false;
    }
    m_pending = pending;
    m_received = 0;
    m_stallSaid = false;
    m_sinceData.start();
    m_watch.start();
    return true;
}

// A request the caller does not wait on: a helper that could not take it is
// said, unless another request is still under way.
bool ScanSession::ask(Pending pending, Type type, const QByteArray &payload)
{
    if (request(pending, type, payload))
        return true;
    if (m_pending == Pending::None)
        emit helperFailed(say("The scanner driver could not be started."));
    return false;
}

void ScanSession::listDevices()
{
    ask(Pending::Listing, Type::List);
}

void ScanSession::openDevice()
{
    if (m_listFirst) {
        if (ask(Pending::Listing, Type::List))
            m_openAfterList = true;
        return;
    }
    ask(Pending::Opening, Type::Open, pack(m_device));
}

void ScanSession::setOption(const QString &name, const QVariant &value)
{
    ask(Pending::Setting, Type::SetOption, pack(name, value));
}

void ScanSession::startScan(const QString &mode, int dpi, const Settings &chosen, int sheet)
{
    const ScanRequest scan{mode, dpi, true, chosen, m_presets, m_memoryLimit, sheet};
    ask(Pending::Scanning, Type::Scan, pack(scan));
}

void ScanSession::endStack()
{
    // A helper gone meanwhile took the device's scan with it.
    if (m_channel && m_pending == Pending::None && !m_channel->send(Type::EndStack))
        helperGone();
}

void ScanSession::cancel()
{
    if (m_pending == Pending::None)
        return;
    if (m_pending != Pending::Scanning || !m_channel->send(Type::Cancel)) {
        endHelper();
        return;
    }
    QTimer::singleShot(kCancelGraceMsecs, this, [this, process = m_process.get()] {
        if (m_pending != Pending::Scanning || m_process.get() != process)
            return;
        endHelper();
        emit scanEnded({}, say("Scan cancelled."), true);
    });
}

void ScanSession::keepWaiting()
{
    m_sinceData.start();
    m_stallSaid = false;
}

void ScanSession::setOptionPreset(const QString &name, const QVariant &value)
{
    for (auto &preset : m_presets) {
        if (preset.first == name) {
            preset.second = value;
            return;
        }
    }
    m_presets.append({name, value});
}

void ScanSession::onReadable()
{
    const bool open = m_channel->receive();
    while (m_channel) {
        auto message = m_channel->next();
        if (!message)
            break;
        handle(*message);
    }
    if (m_channel && m_channel->broken())
        helperBroken();
    else if (!open && m_channel)
        helperGone();
}

// What the helper said makes no sense: it is ended, and said to have stopped
// working as any helper that dies is.
void ScanSession::helperBroken()
{
    if (m_process)
        m_process->kill();
    helperGone();
}

void ScanSession::handle(const Message &message)
{
    if (message.type == Type::Progress) {
        qint64 received = 0, expected = -1;
        if (!unpack(message.payload, received, expected))
            return helperBroken();
        // Only bytes count: a driver that answers "nothing yet" for ever is stalled.
        if (received > m_received) {
            m_received = received;
            m_sinceData.start();
        }
        emit progress(received, expected);
        return;
    }
    if (!wellFormed(message))
        return helperBroken();
    const Pending was = std::exchange(m_pending, Pending::None);
    m_watch.stop();
    switch (message.type) {
    case Type::Devices: {
        QList<SaneDeviceInfo> devices;
        unpack(message.payload, devices);
        m_listFirst = false;
        emit devicesListed(devices);
        if (std::exchange(m_openAfterList, false))
            openDevice();
        break;
    }
    case Type::Opened: {
        QString error;
        SaneDeviceInfo device;
        QList<ScanOption> options;
        unpack(message.payload, error, device, options);
        if (error.isEmpty())
            m_device = device.name;
        emit opened(error, device, options);
        break;
    }
    case Type::OptionSet: {
        QString error;
        QList<ScanOption> options;
        unpack(message.payload, error, options);
        emit optionSet(error, options);
        break;
    }
    case Type::Page: {
        PageHeader header;
        unpack(message.payload, header);
        const QImage page = SharedPage::map(message.fd, header);
        if (message.fd >= 0)
            ::close(message.fd);
        if (page.isNull()) {
            emit scanEnded({}, say("The page could not be taken from the scanner driver."), false);
            break;
        }
        // A driver that was slow but sent its page keeps its helper, and a
        // feeder's batch stays open there for the next sheet.
        m_replaceHelper = false;
        emit scanEnded(page, {}, false);
        break;
    }
    case Type::Failed: {
        QString error;
        bool cancelled = false;
        unpack(message.payload, error, cancelled);
        emit scanEnded({}, error, cancelled);
        break;
    }
    case Type::FeederEmpty:
        emit feederEmpty();
        break;
    case Type::Unreachable: {
        // Nothing more comes over the closed connection, and the helper's SANE
        // keeps reading from it: a fresh helper for the next request.
        QString text;
        unpack(message.payload, text);
        endHelper();
        emit helperFailed(text);
        break;
    }
    default:
        m_pending = was;
        break;
    }
}

// A message of a known type whose payload does not read as that type.
bool ScanSession::wellFormed(const Message &message)
{
    QList<SaneDeviceInfo> devices;
    SaneDeviceInfo device;
    QList<ScanOption> options;
    QString text;
    PageHeader header;
    bool flag = false;
    switch (message.type) {
    case Type::Devices:
        return unpack(message.payload, devices);
    case Type::Opened:
        return unpack(message.payload, text, device, options);
    case Type::Page:
        return unpack(message.payload, header);
    case Type::Failed:
        return unpack(message.payload, text, flag);
    default:
        return true; // unknown types are ignored
    }
}

void ScanSession::helperGone()
{
    m_notifier.reset();
    m_channel.reset();
    QString how = say("it ended");
    if (m_process) {
        if (!m_process->waitForFinished(2000))
            m_process->kill(), m_process->waitForFinished(1000);
        if (m_process->exitStatus() == QProcess::CrashExit)
            how = say("it was ended by signal %1, %2")
                      .arg(m_process->exitCode())
                      .arg(QString::fromLocal8Bit(strsignal(m_process->exitCode())));
        else
            how = say("it ended with exit status %1").arg(m_process->exitCode());
    }
    m_process.reset();
    const bool wasBusy = m_pending != Pending::None;
    m_pending = Pending::None;
    m_openAfterList = false;
    m_watch.stop();
    const QString device = m_pendingDevice.isEmpty() ? say("while looking for scanners")
                                                     : say("for %1").arg(m_pendingDevice);
    if (wasBusy)
        emit helperFailed(say("The scanner driver stopped working %1 (%2). Choose Retry to "
                              "start it again.")
                              .arg(device, how));
}

void ScanSession::watch()
{
    const int limit = m_received > 0 ? m_stallAfterDataSeconds : m_stallSeconds;
    if (m_pending == Pending::None || m_stallSaid || m_sinceData.elapsed() < qint64(limit) * 1000)
        return;
    m_stallSaid = true;
    m_replaceHelper = true;
    const QString device = m_pendingDevice;
    if (device.startsWith(QLatin1String("net:")))
        emit stalled(say("The scanner %1 can no longer be reached: it has sent nothing for %2 "
                         "seconds.")
                         .arg(device)
                         .arg(limit));
    else
        emit stalled(say("The scanner has sent nothing for %1 seconds.").arg(limit));
}
