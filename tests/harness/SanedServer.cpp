// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/SanedServer.h"

#include "harness/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>

#include <signal.h>
#include <unistd.h>

SanedServer::SanedServer() : m_helper(QStringLiteral(MIREL_SCANNER_HELPER))
{
    const QString dir = m_dir.path(), services = dir + "/services", wrapper = dir + "/helper";
    if (!QFile::copy("/etc/sane.d/test.conf", dir + "/test.conf") ||
        !writeFile(dir + "/dll.conf", "test\n") || !QDir(dir).mkdir("client") ||
        !writeFile(dir + "/client/dll.conf", "net\n") ||
        !writeFile(dir + "/client/net.conf", "127.0.0.1\nconnect_timeout = 5\n")) {
        m_error = "cannot set up the SANE configuration in " + dir;
        return;
    }
    QTcpServer probe;
    if (probe.listen(QHostAddress::LocalHost, 6566)) { // the sane-port
        m_port = 6566;
        return;
    }
    probe.listen(QHostAddress::LocalHost);
    if (QProcess::execute("unshare", {"-rm", "mount", "--bind", "/dev/null", "/etc/services"}) ||
        !writeFile(services, "sane-port " + QByteArray::number(probe.serverPort()) + "/tcp\n") ||
        !writeFile(wrapper, QStringLiteral("#!/bin/sh\nexec unshare -rm sh -c 'mount --bind \"$0\" "
                                           "/etc/services && exec \"$1\"' '%1' '%2'\n")
                                .arg(services, m_helper)
                                .toLocal8Bit()) ||
        !QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::ExeOwner)) {
        m_error = "port 6566 is taken, and this user may not give a process an /etc/services "
                  "of its own, which SANE's net backend would need to reach another port";
        return;
    }
    m_port = probe.serverPort();
    m_helper = wrapper;
}

QByteArray SanedServer::clientConfigDir() const
{
    return QFile::encodeName(m_dir.filePath("client"));
}

bool SanedServer::start()
{
    stop();
    m_saned = std::make_unique<QProcess>(); // a QProcess that was killed does not start again
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SANE_CONFIG_DIR", m_dir.path());
    m_saned->setProcessEnvironment(env);
    if (isUsable() && startServer(*m_saned, "saned",
                                  {"-l", "-b", "127.0.0.1", "-p", QString::number(m_port), "-e"},
                                  m_dir.filePath("saned.log"), "127.0.0.1", quint16(m_port)))
        return true;
    m_error = QStringLiteral("saned did not answer on port %1: %2")
                  .arg(m_port)
                  .arg(readFile(m_dir.filePath("saned.log")));
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
