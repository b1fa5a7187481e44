// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text) == text.size();
}

QString readFile(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(in.readAll()) : QString();
}

bool startServer(QProcess &process, const QString &program, const QStringList &arguments,
                 const QString &log, const QString &host, quint16 port)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(log, QIODevice::Append);
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    process.start(program, arguments);
    const auto answers = [&] {
        QTcpSocket socket;
        socket.connectToHost(host, port);
        return socket.waitForConnected(250) || process.state() == QProcess::NotRunning;
    };
    return process.waitForStarted(5000) && (port == 0 || QTest::qWaitFor(answers, 15000)) &&
           process.state() == QProcess::Running;
}

QImage clipboardImage()
{
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

std::shared_ptr<DialogAnswer> answerDialog(const QString &objectName,
                                           std::function<void(QDialog &)> answer)
{
    auto state = std::make_shared<DialogAnswer>();
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [=, clock = QElapsedTimer()]() mutable {
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        // A dialog still looking for scanners is not ready to be answered.
        const bool found =
            modal && modal->objectName() == objectName && !modal->property("looking").toBool();
        if (found && state->armed) {
            state->ran = true;
            answer(*modal);
        }
        if (!clock.isValid())
            clock.start();
        if (found || clock.elapsed() > 20000) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return state;
}

void pressKeyOn(QWidget *dialog, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == dialog ? target : dialog, key);
}
