// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/protocol/ScannerProtocol.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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
    }
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
    if (m_buffer.size() < kHeaderBytes)
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

QDataStream &operator<<(QDataStream &out, const SaneDeviceInfo &d)
{
    return out << d.name << d.vendor << d.model << d.type;
}

QDataStream &operator>>(QDataStream &in, SaneDeviceInfo &d)
{
    return in >> d.name >> d.vendor >> d.model >> d.type;
}

QDataStream &operator<<(QDataStream &out, const ScanOption &o)
{
    return out << o.name << o.title << o.description << o.group << int(o.type) << o.unit << o.count
               << o.capabilities << int(o.constraint) << o.minimum << o.maximum << o.quant
               << o.words << o.strings << o.value;
}

QDataStream &operator>>(QDataStream &in, ScanOption &o)
{
    int type = 0, constraint = 0;
    in >> o.name >> o.title >> o.description >> o.group >> type >> o.unit >> o.count >>
        o.capabilities >> constraint >> o.minimum >> o.maximum >> o.quant >> o.words >> o.strings >>
        o.value;
    o.type = ScanOption::Type(type);
    o.constraint = ScanOption::Constraint(constraint);
    return in;
}
