// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

struct ServerStart;

// saned serving SANE's test backend on the loopback, and what a scanner
// helper needs to reach it through SANE's net backend:
//
//   SanedServer saned;
//   QVERIFY2(saned.start(), qPrintable(saned.errorString()));
//   qputenv("SANE_CONFIG_DIR", saned.clientConfigDir()); // dll.conf "net"
//   session.setHelperPath(saned.helperPath());
//   ... scan "net:127.0.0.1:test:0" ...
//
// The net backend takes saned's port only from the sane-port line of
// /etc/services, 6566, which another run's saned may hold for a while:
// start() waits for it. When it stays taken through the first start, saned
// gets a free port instead and helperPath() runs the helper in a mount
// namespace of its own, over an /etc/services that names that port; start()
// fails when this user may not make one. stop() ends saned and every child it
// forked for a connection, as a server that dies would; start() brings it
// back on the same port, waiting while another process holds it.
class SanedServer
{
public:
    SanedServer();
    ~SanedServer() { stop(); }

    bool isUsable() const { return m_prepared; }
    bool start();
    void stop();
    QString errorString() const { return m_error; }
    QByteArray clientConfigDir() const;
    QString helperPath() const { return m_helper; }

private:
    ServerStart server() const;
    QString startWaiting(quint16 port, int milliseconds);
    QString startInNamespace();

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_saned;
    quint16 m_port = 0; // 0 until the first start chose it
    QString m_helper;
    QString m_error;
    bool m_prepared = false;
};
