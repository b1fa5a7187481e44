// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/HelperProcess.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kHelperFd = 3;
constexpr int kStartMsecs = 5000;

} // namespace

HelperProcess::HelperProcess()
{
    // A driver's dead socket lives in the helper, but Mirel's own end of the
    // pair must not kill it either when the helper is gone.
    signal(SIGPIPE, SIG_IGN);
}

HelperProcess::~HelperProcess()
{
    kill();
}

bool HelperProcess::start(const QString &path)
{
    kill();
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return false;
    const int childEnd = fds[1];
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(path);
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
    const bool started = m_process->waitForStarted(kStartMsecs);
    ::close(childEnd);
    if (!started) {
        ::close(fds[0]);
        m_process.reset();
        return false;
    }
    ++m_starts;
    m_channel = std::make_unique<ScannerProtocol::Channel>(fds[0]);
    m_notifier = std::make_unique<QSocketNotifier>(fds[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &HelperProcess::readable);
    return true;
}

qint64 HelperProcess::processId() const
{
    return m_process ? m_process->processId() : 0;
}

std::optional<HelperProcess::Hello> HelperProcess::hello(const QString &libraryFile, int msecs)
{
    using namespace ScannerProtocol;
    if (!m_channel || !m_channel->send(Type::Hello, pack(libraryFile)))
        return std::nullopt;
    // The answer is waited for here, not through readable().
    m_notifier->setEnabled(false);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs && m_channel->waitReadable(int(msecs - clock.elapsed()))) {
        const bool open = m_channel->receive();
        while (auto message = m_channel->next()) {
            Hello answer;
            if (message->type != Type::HelloReply)
                continue;
            // A helper that garbles its first answer is no use either.
            if (!unpack(message->payload, answer.available, answer.version))
                return std::nullopt;
            m_notifier->setEnabled(true);
            return answer;
        }
        if (!open)
            break;
    }
    return std::nullopt;
}

void HelperProcess::quit(int msecs)
{
    if (m_channel && m_channel->send(ScannerProtocol::Type::Quit))
        m_process->waitForFinished(msecs);
    kill();
}

void HelperProcess::kill()
{
    m_notifier.reset();
    m_channel.reset();
    if (m_process) {
        m_process->kill();
        m_process->waitForFinished(2000);
        m_process.reset();
    }
}

HelperProcess::Ending HelperProcess::reap(bool endFirst)
{
    m_notifier.reset();
    m_channel.reset();
    Ending ending;
    if (m_process) {
        if (endFirst)
            m_process->kill();
        if (!m_process->waitForFinished(2000))
            m_process->kill(), m_process->waitForFinished(1000);
        if (m_process->exitStatus() == QProcess::CrashExit)
            ending.signal = m_process->exitCode();
        else
            ending.exitStatus = m_process->exitCode();
    }
    m_process.reset();
    return ending;
}
