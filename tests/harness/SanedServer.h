// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

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
// /etc/services. When 6566 is taken, saned gets a free port and
// helperPath() runs the helper in a mount namespace of its own, over an
// /etc/services that names that port; isUsable() is false when neither works.
// stop() ends saned and every child it forked for a connection, as a server
// that dies would; start() brings it back on the same port.
class SanedServer
{
public:
    SanedServer();
    ~SanedServer() { stop(); }

    bool isUsable() const { return m_port > 0; }
    bool start();
    void stop();
    QString errorString() const { return m_error; }
    QByteArray clientConfigDir() const;
    QString helperPath() const { return m_helper; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_saned;
    int m_port = 0;
    QString m_helper;
    QString m_error;
};
