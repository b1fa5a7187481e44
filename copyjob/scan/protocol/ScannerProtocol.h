// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanDevice.h"
#include "copyjob/scan/model/ScanError.h"
#include "copyjob/scan/model/ScanOption.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QVariant>

#include <deque>
#include <optional>

// What Mirel and its scanner helper say to each other over a socket pair.
// Each message is a 4-byte length, a type byte and a QDataStream payload; the
// page's shared memory travels beside its message as a file descriptor. A
// failure crosses as a ScanError, a code and its arguments: the helper says
// what happened, and Mirel words it.
namespace ScannerProtocol {

enum class Type : quint8 {
    // Mirel to the helper
    Hello = 1, // QString library file -> Hello
    List,      // -> Devices
    Open,      // QString name (empty: the first found) -> Opened
    SetOption, // QString name, QVariant value -> OptionSet
    Scan,      // ScanRequest -> Progress..., then Page or Failed
    Cancel,    // the scan under way stops
    Quit,
    EndStack, // the feeder's batch is over: the device is told so (sane_cancel)
    // The helper to Mirel
    Devices = 64, // QList<ScanDevice>
    Opened,       // ScanError, ScanDevice, QList<ScanOption>
    Progress,     // qint64 received, qint64 expected (-1: unknown)
    Page,         // PageHeader; + the sealed memfd
    Failed,       // ScanError (Cancelled when the user stopped it)
    HelloReply,   // bool available, int SANE's version times 100 (see saneVersionTimes100)
    OptionSet,    // ScanError, QList<ScanOption>: the device's options after the setting
    Unreachable,  // ScanError: the scan's network connection closed, nothing more comes
    FeederEmpty,  // the next sheet of a stack asked for, and the feeder has none: its normal end
};

// What a scan sets on the device before it starts, in this order: the
// dialog's mode and resolution (when given), the whole bed (when asked), the
// user's choices among the device's options, then the presets.
struct ScanRequest
{
    QString mode;
    int resolution = 0;
    bool wholeBed = true;
    ScanSettings chosen;
    ScanSettings presets;
    qint64 memoryLimit = 0; // 0: the machine's
    // 0: one page, and the scan is ended after it. From a feeder's stack, 1
    // for its first sheet (or the first after a fault), then 2, 3 ...: the
    // scan stays open between sheets, as a feeder's batch must, and a later
    // sheet sets nothing, so each sheet comes as the first did.
    int sheet = 0;
};

// Everything read from the helper is bounded: no message, list or string
// larger than a scanner has reason to send.
constexpr quint32 kMaxMessageBytes = 8 << 20;
constexpr quint32 kMaxDevices = 256, kMaxOptions = 1024, kMaxListItems = 4096, kMaxArguments = 8;
constexpr qsizetype kMaxStringChars = 16384;

struct Message
{
    Type type{};
    QByteArray payload;
    int fd = -1; // owned by whoever takes the message
};

template <typename... Args> QByteArray pack(const Args &...args)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    (out << ... << args);
    return bytes;
}

template <typename... Args> bool unpack(const QByteArray &bytes, Args &...args)
{
    QDataStream in(bytes);
    (in >> ... >> args);
    return in.status() == QDataStream::Ok;
}

// One end of the socket pair. Sends block (messages are small, the page
// goes by descriptor); reads never do.
class Channel
{
public:
    explicit Channel(int fd) : m_fd(fd) {}
    ~Channel();
    Channel(const Channel &) = delete;
    Channel &operator=(const Channel &) = delete;

    int fd() const { return m_fd; }
    // False when the other end is gone. Never raises SIGPIPE.
    bool send(Type type, const QByteArray &payload = {}, int passFd = -1);
    // Takes in what has arrived; false at end of file, on an error, or when
    // the other end announced a message over kMaxMessageBytes.
    bool receive();
    // True when the other end announced a message over kMaxMessageBytes.
    bool broken() const;
    // Waits up to msecs for something to read; false on time-out.
    bool waitReadable(int msecs) const;
    std::optional<Message> next();

private:
    int m_fd;
    QByteArray m_buffer;
    std::deque<int> m_fds;
};

} // namespace ScannerProtocol

QDataStream &operator<<(QDataStream &out, const ScanDevice &d);
QDataStream &operator>>(QDataStream &in, ScanDevice &d);
QDataStream &operator<<(QDataStream &out, const ScanError &e);
QDataStream &operator>>(QDataStream &in, ScanError &e);
QDataStream &operator<<(QDataStream &out, const ScanOption &o);
QDataStream &operator>>(QDataStream &in, ScanOption &o);
QDataStream &operator<<(QDataStream &out, const ScannerProtocol::ScanRequest &r);
QDataStream &operator>>(QDataStream &in, ScannerProtocol::ScanRequest &r);
// Read with a bounded count; preferred over Qt's own, which reserves
// whatever count it is told.
QDataStream &operator>>(QDataStream &in, QList<ScanDevice> &list);
QDataStream &operator>>(QDataStream &in, QList<ScanOption> &list);
