// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanSession.h"

#include "copyjob/scan/model/ScanError.h"
#include "copyjob/scan/protocol/SharedPage.h"

#include <QCoreApplication>

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

QString defaultHelperPath;

using Code = ScanError::Code;

// The helper's failure in words, with the code a caller branches on.
Outcome outcomeOf(const ScanError &error)
{
    if (!error)
        return Outcome::success();
    const QString words = error.text();
    switch (error.code) {
    case Code::DeviceStatus:
        return Outcome::failure(words, Outcome::Code::DeviceStatus, int(error.status));
    case Code::Cancelled:
        return Outcome::failure(words, Outcome::Code::Cancelled);
    case Code::ConnectionLost:
        return Outcome::failure(words, Outcome::Code::ConnectionLost);
    case Code::DriverKilled:
    case Code::DriverKilledListing:
    case Code::DriverExited:
    case Code::DriverExitedListing:
        return Outcome::failure(words, Outcome::Code::DriverStopped);
    default:
        return Outcome::failure(words);
    }
}

Outcome failure(Code code, const QStringList &args = {})
{
    return outcomeOf(ScanError::of(code, args));
}

} // namespace

const ScanSession::Handler ScanSession::kHandlers[] = {
    {Type::Progress, &ScanSession::takeProgress},
    {Type::Devices, &ScanSession::takeDevices},
    {Type::Opened, &ScanSession::takeOpened},
    {Type::OptionSet, &ScanSession::takeOptionSet},
    {Type::Page, &ScanSession::takePage},
    {Type::Failed, &ScanSession::takeFailed},
    {Type::FeederEmpty, &ScanSession::takeFeederEmpty},
    {Type::Unreachable, &ScanSession::takeUnreachable},
};

ScanSession::ScanSession(QString libraryFile, QObject *parent)
    : QObject(parent), m_libraryFile(std::move(libraryFile)), m_stallSeconds(kStallSeconds),
      m_stallAfterDataSeconds(kStallAfterDataSeconds)
{
    m_watch.setInterval(250);
    connect(&m_watch, &QTimer::timeout, this, &ScanSession::watch);
    connect(&m_helper, &HelperProcess::readable, this, &ScanSession::onReadable);
}

ScanSession::~ScanSession()
{
    // A helper busy with a request may be stuck in its driver: ended at once.
    if (m_pending == Pending::None)
        m_helper.quit(1000);
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
    return m_helper.processId();
}

bool ScanSession::ensureHelper()
{
    if (m_helper.isRunning() && m_replaceHelper && m_pending == Pending::None)
        endHelper();
    if (m_helper.isRunning())
        return true;
    m_replaceHelper = false;
    return m_helper.start(helperPath());
}

void ScanSession::endHelper()
{
    m_helper.kill();
    m_pending = Pending::None;
    m_openAfterList = false;
    m_watch.stop();
}

bool ScanSession::isAvailable()
{
    if (m_pending != Pending::None || !ensureHelper())
        return false;
    const auto hello = m_helper.hello(m_libraryFile, kHelloMsecs);
    if (!hello) { // a helper that cannot even start SANE in time is of no use
        endHelper();
        return false;
    }
    m_version = hello->version;
    return hello->available;
}

bool ScanSession::request(Pending pending, Type type, const QByteArray &payload)
{
    m_pendingDevice = m_device;
    if (m_pending != Pending::None || !ensureHelper())
        return false;
    if (!m_helper.channel()->send(type, payload)) {
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
        emit helperFailed(failure(Code::DriverNotStarted));
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

void ScanSession::startScan(const QString &mode, int dpi, const ScanSettings &chosen, int sheet)
{
    const ScanRequest scan{mode, dpi, true, chosen, m_presets, m_memoryLimit, sheet};
    ask(Pending::Scanning, Type::Scan, pack(scan));
}

void ScanSession::endStack()
{
    // A helper gone meanwhile took the device's scan with it.
    if (m_helper.isRunning() && m_pending == Pending::None &&
        !m_helper.channel()->send(Type::EndStack))
        helperGone();
}

void ScanSession::cancel()
{
    if (m_pending == Pending::None)
        return;
    if (m_pending != Pending::Scanning || !m_helper.channel()->send(Type::Cancel)) {
        endHelper();
        return;
    }
    QTimer::singleShot(kCancelGraceMsecs, this, [this, helper = m_helper.starts()] {
        if (m_pending != Pending::Scanning || m_helper.starts() != helper)
            return;
        endHelper();
        emit scanEnded({}, failure(Code::Cancelled));
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
    Channel *channel = m_helper.channel();
    const quint64 helper = m_helper.starts();
    const bool open = channel->receive();
    // A handler may end the helper, and its channel with it, or start another.
    const auto same = [&] { return m_helper.isRunning() && m_helper.starts() == helper; };
    while (same()) {
        auto message = channel->next();
        if (!message)
            break;
        handle(*message);
    }
    if (!same())
        return;
    if (channel->broken())
        helperGone(true);
    else if (!open)
        helperGone();
}

// Each message is read once, by the handler of its type; one that does not
// read as its type ends the helper, which is then said to have stopped
// working as any helper that dies is. Types this side does not know are let
// pass.
void ScanSession::handle(const Message &message)
{
    for (const Handler &handler : kHandlers) {
        if (handler.type != message.type)
            continue;
        if (!(this->*handler.take)(message))
            helperGone(true);
        return;
    }
}

void ScanSession::answered()
{
    m_pending = Pending::None;
    m_watch.stop();
}

bool ScanSession::takeProgress(const Message &message)
{
    qint64 received = 0, expected = -1;
    if (!unpack(message.payload, received, expected))
        return false;
    // Only bytes count: a driver that answers "nothing yet" for ever is stalled.
    if (received > m_received) {
        m_received = received;
        m_sinceData.start();
    }
    emit progress(received, expected);
    return true;
}

bool ScanSession::takeDevices(const Message &message)
{
    QList<ScanDevice> devices;
    if (!unpack(message.payload, devices))
        return false;
    answered();
    for (const ScanDevice &device : std::as_const(devices))
        if (device.networked)
            m_onNetwork.insert(device.name);
    m_listFirst = false;
    emit devicesListed(devices);
    if (std::exchange(m_openAfterList, false))
        openDevice();
    return true;
}

bool ScanSession::takeOpened(const Message &message)
{
    ScanError error;
    ScanDevice device;
    QList<ScanOption> options;
    if (!unpack(message.payload, error, device, options))
        return false;
    answered();
    if (!error) {
        m_device = device.name;
        if (device.networked)
            m_onNetwork.insert(device.name);
    }
    emit opened(outcomeOf(error), device, options);
    return true;
}

bool ScanSession::takeOptionSet(const Message &message)
{
    ScanError error;
    QList<ScanOption> options;
    if (!unpack(message.payload, error, options))
        return false;
    answered();
    emit optionSet(outcomeOf(error), options);
    return true;
}

bool ScanSession::takePage(const Message &message)
{
    PageHeader header;
    const bool readable = unpack(message.payload, header);
    const QImage page = readable ? SharedPage::map(message.fd, header) : QImage();
    if (message.fd >= 0)
        ::close(message.fd);
    if (!readable)
        return false;
    answered();
    if (page.isNull()) {
        emit scanEnded({}, failure(Code::PageNotTaken));
        return true;
    }
    // A driver that was slow but sent its page keeps its helper, and a
    // feeder's batch stays open there for the next sheet.
    m_replaceHelper = false;
    emit scanEnded(page, Outcome::success());
    return true;
}

bool ScanSession::takeFailed(const Message &message)
{
    ScanError error;
    if (!unpack(message.payload, error))
        return false;
    answered();
    emit scanEnded({}, outcomeOf(error));
    return true;
}

bool ScanSession::takeFeederEmpty(const Message &)
{
    answered();
    emit feederEmpty();
    return true;
}

bool ScanSession::takeUnreachable(const Message &message)
{
    ScanError error;
    if (!unpack(message.payload, error))
        return false;
    // Nothing more comes over the closed connection, and the helper's SANE
    // keeps reading from it: a fresh helper for the next request.
    endHelper();
    emit helperFailed(outcomeOf(error));
    return true;
}

// The helper went away, or said what makes no sense (broken) and is ended.
void ScanSession::helperGone(bool broken)
{
    const HelperProcess::Ending how = m_helper.reap(broken);
    const bool wasBusy = m_pending != Pending::None;
    m_pending = Pending::None;
    m_openAfterList = false;
    m_watch.stop();
    if (!wasBusy)
        return;
    const QString device = m_pendingDevice;
    const QString signal = QString::number(how.signal);
    const QString name = QString::fromLocal8Bit(strsignal(how.signal));
    const QString status = QString::number(how.exitStatus);
    ScanError error;
    if (how.signal && device.isEmpty())
        error = ScanError::of(Code::DriverKilledListing, {signal, name});
    else if (how.signal)
        error = ScanError::of(Code::DriverKilled, {device, signal, name});
    else if (device.isEmpty())
        error = ScanError::of(Code::DriverExitedListing, {status});
    else
        error = ScanError::of(Code::DriverExited, {device, status});
    Outcome stopped = outcomeOf(error);
    stopped.detail = how.signal;
    emit helperFailed(stopped);
}

void ScanSession::watch()
{
    const int limit = m_received > 0 ? m_stallAfterDataSeconds : m_stallSeconds;
    if (m_pending == Pending::None || m_stallSaid || m_sinceData.elapsed() < qint64(limit) * 1000)
        return;
    m_stallSaid = true;
    m_replaceHelper = true;
    const QString seconds = QString::number(limit);
    if (m_onNetwork.contains(m_pendingDevice))
        emit stalled(ScanError::of(Code::StalledNetwork, {m_pendingDevice, seconds}).text());
    else
        emit stalled(ScanError::of(Code::Stalled, {seconds}).text());
}
