// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/sane/SaneDevice.h"
#include "copyjob/scan/sane/ScanOption.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>
#include <QPair>
#include <QVariant>

#include <deque>
#include <optional>

// What Mirel and its scanner helper say to each other over a socket pair.
// Each message is a 4-byte length, a type byte and a QDataStream payload; the
// page's shared memory travels beside its message as a file descriptor.
namespace ScannerProtocol {

enum class Type : quint8 {
    // Mirel to the helper
    Hello = 1, // QString library file -> Hello
    List,      // -> Devices
    Open,      // QString name (empty: the first found) -> Opened
    SetOption, // QString name, QVariant value -> Opened
    Scan,      // Settings settings, qint64 memory limit -> Progress..., then Page or Failed
    Cancel,    // the scan under way stops
    Quit,
    // The helper to Mirel
    Devices = 64, // QList<SaneDeviceInfo>
    Opened,       // QString error, SaneDeviceInfo, QList<ScanOption>
    Progress,     // qint64 received, qint64 expected (-1: unknown)
    Page,         // int width, height, format, bytes per line, dots per metre x, y; + fd
    Failed,       // QString message, bool cancelled
    HelloReply,   // bool available, int sane version code
};

// Option values in the order they are set on the device.
using Settings = QList<QPair<QString, QVariant>>;

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
    // Takes in what has arrived; false at end of file or on an error.
    bool receive();
    // Waits up to msecs for something to read; false on time-out.
    bool waitReadable(int msecs) const;
    std::optional<Message> next();

private:
    int m_fd;
    QByteArray m_buffer;
    std::deque<int> m_fds;
};

} // namespace ScannerProtocol

QDataStream &operator<<(QDataStream &out, const SaneDeviceInfo &d);
QDataStream &operator>>(QDataStream &in, SaneDeviceInfo &d);
QDataStream &operator<<(QDataStream &out, const ScanOption &o);
QDataStream &operator>>(QDataStream &in, ScanOption &o);
