// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/protocol/ScannerProtocol.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ScannerProtocol {

namespace {
constexpr int kHeaderBytes = 5;
} // namespace

Channel::~Channel()
{
    for (int fd : m_fds)
        ::close(fd);
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Channel::send(Type type, const QByteArray &payload, int passFd)
{
    QByteArray frame(kHeaderBytes, '\0');
    const quint32 length = quint32(payload.size());
    std::memcpy(frame.data(), &length, 4);
    frame[4] = char(type);
    frame += payload;

    qsizetype sent = 0;
    while (sent < frame.size()) {
        iovec iov{frame.data() + sent, size_t(frame.size() - sent)};
        msghdr msg{};
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        if (passFd >= 0 && sent == 0) {
            msg.msg_control = control;
            msg.msg_controllen = sizeof control;
            cmsghdr *c = CMSG_FIRSTHDR(&msg);
            c->cmsg_level = SOL_SOCKET;
            c->cmsg_type = SCM_RIGHTS;
            c->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(c), &passFd, sizeof(int));
        }
        const ssize_t n = ::sendmsg(m_fd, &msg, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{m_fd, POLLOUT, 0};
            ::poll(&p, 1, 1000);
            continue;
        }
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

bool Channel::receive()
{
    for (;;) {
        char data[64 * 1024];
        iovec iov{data, sizeof data};
        alignas(cmsghdr) char control[CMSG_SPACE(4 * sizeof(int))];
        msghdr msg{};
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(m_fd, &msg, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK;
        for (cmsghdr *c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS)
                continue;
            const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
            for (size_t i = 0; i < count; ++i) {
                int fd = -1;
                std::memcpy(&fd, CMSG_DATA(c) + i * sizeof(int), sizeof(int));
                m_fds.push_back(fd);
            }
        }
        if (n == 0)
            return false;
        m_buffer.append(data, n);
        if (broken())
            return false;
    }
}

bool Channel::broken() const
{
    quint32 length = 0;
    if (m_buffer.size() >= 4)
        std::memcpy(&length, m_buffer.constData(), 4);
    return length > kMaxMessageBytes;
}

bool Channel::waitReadable(int msecs) const
{
    pollfd p{m_fd, POLLIN, 0};
    int n;
    do
        n = ::poll(&p, 1, msecs);
    while (n < 0 && errno == EINTR);
    return n > 0;
}

std::optional<Message> Channel::next()
{
    if (m_buffer.size() < kHeaderBytes || broken())
        return std::nullopt;
    quint32 length = 0;
    std::memcpy(&length, m_buffer.constData(), 4);
    if (m_buffer.size() < kHeaderBytes + qsizetype(length))
        return std::nullopt;
    Message message;
    message.type = Type(quint8(m_buffer[4]));
    message.payload = m_buffer.mid(kHeaderBytes, length);
    m_buffer.remove(0, kHeaderBytes + length);
    if (message.type == Type::Page && !m_fds.empty()) {
        message.fd = m_fds.front();
        m_fds.pop_front();
    }
    return message;
}

} // namespace ScannerProtocol

namespace {

using namespace ScannerProtocol;

void corrupt(QDataStream &in)
{
    if (in.status() == QDataStream::Ok)
        in.setStatus(QDataStream::ReadCorruptData);
}

void readString(QDataStream &in, QString &s)
{
    in >> s;
    if (s.size() > kMaxStringChars)
        corrupt(in), s.clear();
}

// A count, then that many items, each read by read; nothing over max.
template <typename T, typename Read>
void readList(QDataStream &in, QList<T> &list, quint32 max, Read read)
{
    list.clear();
    quint32 count = 0;
    in >> count;
    if (count > max)
        return corrupt(in);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i)
        read(in, list.emplace_back());
    if (in.status() != QDataStream::Ok)
        list.clear();
}

// An option's value carries only the kinds an option has: bool, int, double,
// string, or an array of ints or doubles. Qt's own QVariant format would
// decode any type it knows, images included.
enum class Kind : quint8 { None, Bool, Int, Double, String, IntList, DoubleList };

void writeValue(QDataStream &out, const QVariant &v)
{
    const QVariantList items = v.toList();
    const bool ints = std::all_of(items.cbegin(), items.cend(),
                                  [](const QVariant &i) { return i.typeId() == QMetaType::Int; });
    switch (v.typeId()) {
    case QMetaType::Bool:
        out << Kind::Bool << v.toBool();
        break;
    case QMetaType::Int:
        out << Kind::Int << v.toInt();
        break;
    case QMetaType::Double:
        out << Kind::Double << v.toDouble();
        break;
    case QMetaType::QString:
        out << Kind::String << v.toString();
        break;
    case QMetaType::QVariantList:
        out << (ints ? Kind::IntList : Kind::DoubleList) << quint32(items.size());
        for (const QVariant &item : items)
            ints ? out << item.toInt() : out << item.toDouble();
        break;
    default:
        out << Kind::None;
    }
}

template <typename T> QVariant readItem(QDataStream &in)
{
    T value{};
    in >> value;
    return value;
}

void readValue(QDataStream &in, QVariant &v)
{
    Kind kind = Kind::None;
    in >> kind;
    v = QVariant();
    if (kind == Kind::Bool)
        v = readItem<bool>(in);
    else if (kind == Kind::Int)
        v = readItem<int>(in);
    else if (kind == Kind::Double)
        v = readItem<double>(in);
    else if (kind == Kind::String) {
        QString s;
        readString(in, s);
        v = s;
    } else if (kind == Kind::IntList || kind == Kind::DoubleList) {
        QVariantList items;
        readList(in, items, kMaxListItems, [kind](QDataStream &s, QVariant &item) {
            item = kind == Kind::IntList ? readItem<int>(s) : readItem<double>(s);
        });
        v = items;
    } else if (kind != Kind::None)
        corrupt(in);
}

} // namespace

QDataStream &operator<<(QDataStream &out, const ScanDevice &d)
{
    return out << d.name << d.vendor << d.model << d.type << d.networked;
}

QDataStream &operator>>(QDataStream &in, ScanDevice &d)
{
    for (QString *s : {&d.name, &d.vendor, &d.model, &d.type})
        readString(in, *s);
    return in >> d.networked;
}

QDataStream &operator<<(QDataStream &out, const ScanError &e)
{
    return out << quint8(e.code) << quint8(e.status) << e.args;
}

QDataStream &operator>>(QDataStream &in, ScanError &e)
{
    quint8 code = 0, status = 0;
    in >> code >> status;
    readList(in, e.args, kMaxArguments, readString);
    if (code > quint8(ScanError::Code::StalledNetwork) || status > quint8(ScanStatus::Unknown))
        corrupt(in);
    e.code = ScanError::Code(code);
    e.status = ScanStatus(status);
    return in;
}

QDataStream &operator<<(QDataStream &out, const ScanOption &o)
{
    out << o.name << o.title << o.description << o.group << int(o.type) << quint8(o.unit) << o.count
        << quint8(o.capabilities.toInt()) << int(o.constraint) << o.minimum << o.maximum << o.quant
        << o.words << o.strings << quint32(o.kinds.size());
    for (PixelTypes kind : o.kinds)
        out << quint8(kind.toInt());
    writeValue(out, o.value);
    return out;
}

QDataStream &operator>>(QDataStream &in, ScanOption &o)
{
    int type = 0, constraint = 0;
    quint8 unit = 0, capabilities = 0;
    for (QString *s : {&o.name, &o.title, &o.description, &o.group})
        readString(in, *s);
    in >> type >> unit >> o.count >> capabilities >> constraint >> o.minimum >> o.maximum >>
        o.quant;
    readList(in, o.words, kMaxListItems, [](QDataStream &s, double &w) { s >> w; });
    readList(in, o.strings, kMaxListItems, readString);
    readList(in, o.kinds, kMaxListItems, [](QDataStream &s, PixelTypes &kind) {
        quint8 bits = 0;
        s >> bits;
        kind = PixelTypes::fromInt(bits & 7);
    });
    readValue(in, o.value);
    if (type < int(ScanOption::Type::Bool) || type > int(ScanOption::Type::Group) ||
        constraint < int(ScanOption::Constraint::None) ||
        constraint > int(ScanOption::Constraint::StringList) ||
        unit > quint8(ScanOption::Unit::Microsecond))
        corrupt(in);
    o.type = ScanOption::Type(type);
    o.constraint = ScanOption::Constraint(constraint);
    o.unit = ScanOption::Unit(unit);
    o.capabilities = ScanOption::Capabilities::fromInt(capabilities);
    return in;
}

QDataStream &operator>>(QDataStream &in, QList<ScanDevice> &list)
{
    readList(in, list, kMaxDevices, [](QDataStream &s, ScanDevice &d) { s >> d; });
    return in;
}

QDataStream &operator>>(QDataStream &in, QList<ScanOption> &list)
{
    readList(in, list, kMaxOptions, [](QDataStream &s, ScanOption &o) { s >> o; });
    return in;
}

QDataStream &operator<<(QDataStream &out, const ScanRequest &r)
{
    return out << r.mode << r.resolution << r.wholeBed << r.chosen << r.presets << r.memoryLimit
               << r.sheet;
}

QDataStream &operator>>(QDataStream &in, ScanRequest &r)
{
    return in >> r.mode >> r.resolution >> r.wholeBed >> r.chosen >> r.presets >> r.memoryLimit >>
           r.sheet;
}
