// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/SanedServer.h"

#include "harness/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <signal.h>
#include <unistd.h>

namespace {

constexpr quint16 kSanePort = 6566;

} // namespace

SanedServer::SanedServer() : m_helper(QStringLiteral(MIREL_SCANNER_HELPER))
{
    const QString dir = m_dir.path();
    m_prepared = QFile::copy("/etc/sane.d/test.conf", dir + "/test.conf") &&
                 writeFile(dir + "/dll.conf", "test\n") && QDir(dir).mkdir("client") &&
                 writeFile(dir + "/client/dll.conf", "net\n") &&
                 writeFile(dir + "/client/net.conf", "127.0.0.1\nconnect_timeout = 5\n");
    if (!m_prepared)
        m_error = "cannot set up the SANE configuration in " + dir;
}

QByteArray SanedServer::clientConfigDir() const
{
    return QFile::encodeName(m_dir.filePath("client"));
}

ServerStart SanedServer::server() const
{
    return {"saned", {}, m_dir.filePath("saned.log"), 0, {}, {"SANE_CONFIG_DIR=" + m_dir.path()}};
}

QString SanedServer::startWaiting(quint16 port, int milliseconds)
{
    ServerStart saned = server();
    saned.port = port;
    saned.arguments = QStringList{"-l", "-b", "127.0.0.1", "-p", QString::number(port), "-e"};
    for (const QDeadlineTimer deadline(milliseconds);; QTest::qWait(250)) {
        m_saned = std::make_unique<QProcess>(); // a QProcess that was killed does not start again
        const QString why = startServer(*m_saned, saned);
        if (why.isEmpty() || !portTaken(saned) || deadline.hasExpired())
            return why;
        stop();
    }
}

// The helper goes through a wrapper that gives it an /etc/services of its own.
QString SanedServer::startInNamespace()
{
    const QString services = m_dir.filePath("services"), wrapper = m_dir.filePath("helper");
    const QString unshare = installedProgram("unshare"), mount = installedProgram("mount"),
                  sh = installedProgram("sh");
    if (unshare.isEmpty() || mount.isEmpty() || sh.isEmpty() ||
        QProcess::execute(unshare, {"-rm", mount, "--bind", "/dev/null", "/etc/services"}) ||
        !writeFile(wrapper, QStringLiteral("#!%1\nexec %2 -rm %1 -c '%3 --bind \"$0\" "
                                           "/etc/services && exec \"$1\"' '%4' '%5'\n")
                                .arg(sh, unshare, mount, services, m_helper)
                                .toLocal8Bit()) ||
        !QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::ExeOwner))
        return "port 6566 stays taken, and this user may not give a process an /etc/services of "
               "its own, which SANE's net backend would need to reach another port";
    const auto arguments = [&](quint16 port) {
        return writeFile(services, "sane-port " + QByteArray::number(port) + "/tcp\n")
                   ? QStringList{"-l", "-b", "127.0.0.1", "-p", QString::number(port), "-e"}
                   : QStringList();
    };
    const QString why = startOnFreePort(m_saned, server(), arguments, m_port);
    why.isEmpty() ? void(m_helper = wrapper) : void(m_port = 0);
    return why;
}

bool SanedServer::start()
{
    stop();
    if (!m_prepared)
        return false;
    // The first start gives up on 6566 sooner: another port serves as well.
    QString why = startWaiting(m_port ? m_port : kSanePort, m_port ? 60000 : 20000);
    if (why.isEmpty() && m_port == 0)
        m_port = kSanePort;
    else if (m_port == 0 && portTaken(server()))
        why = startInNamespace();
    if (why.isEmpty())
        return true;
    m_error = QStringLiteral("saned did not answer on port %1: %2").arg(m_port).arg(why);
    stop();
    return false;
}

void SanedServer::stop()
{
    if (!m_saned)
        return;
    if (m_saned->processId() > 0)
        ::kill(-pid_t(m_saned->processId()), SIGKILL);
    m_saned->waitForFinished(5000);
}
