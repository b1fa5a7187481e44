// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/TestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
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

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment, int timeoutMs)
{
    constexpr qint64 kMostChildOutput = 64 << 20;
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    // Standard error is taken as it comes, so neither stream grows unseen.
    QByteArray err;
    (void)QTest::qWaitFor(
        [&] {
            err += process.readAllStandardError();
            return process.state() == QProcess::NotRunning ||
                   process.bytesAvailable() > kMostChildOutput || err.size() > kMostChildOutput;
        },
        timeoutMs); // what it came to is read below
    ChildRun run;
    run.ended = process.state() == QProcess::NotRunning &&
                process.exitStatus() == QProcess::NormalExit &&
                process.error() != QProcess::FailedToStart;
    if (!run.ended && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    run.exitCode = run.ended ? process.exitCode() : -1;
    run.out = process.read(kMostChildOutput);
    run.err = (err + process.readAllStandardError()).left(kMostChildOutput);
    return run;
}

QByteArray toolOutput(const QString &program, const QStringList &arguments)
{
    const ChildRun run = runChild(program, arguments);
    return run.ok() ? run.out : QByteArray();
}

int pdfPageCount(const QString &pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromLocal8Bit(toolOutput(QStringLiteral("pdfinfo"), {pdf})));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString scannerStatusWords(const QString &status)
{
    static const QHash<QString, QString> words{
        {"IO_ERROR",
         "The scanner could not be reached (input/output error). Check its cable and power."},
        {"CANCELLED", "The scan was stopped at the scanner."},
        {"EOF", "The scanner stopped before the whole page arrived."},
        {"JAMMED", "Document feeder jammed"},
        {"COVER_OPEN", "Scanner cover is open"},
        {"NO_DOCS", "The document feeder is empty."},
    };
    return words.value(status);
}

void forgetKeptChoices()
{
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
        return;
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Mirel")).removeRecursively();
}

QString installedProgram(const QString &name)
{
    const QString found =
        QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
    return found.isEmpty() ? QStandardPaths::findExecutable(name) : found;
}

namespace {

// Whether the process itself holds a socket listening on the port, so a
// server that came too late is not taken for the one that answers there.
bool listensOn(qint64 pid, quint16 port)
{
    // "sl local_address rem_address st ... inode": the port in hex, 0A listening.
    const QString tables = readFile("/proc/net/tcp") + readFile("/proc/net/tcp6");
    const QString fds = QStringLiteral("/proc/%1/fd/").arg(pid);
    for (const QString &line : tables.split(u'\n')) {
        const QStringList field = line.simplified().split(u' ');
        if (field.size() > 9 && field[3] == "0A" &&
            field[1].section(u':', -1).toUShort(nullptr, 16) == port)
            for (const QString &fd : QDir(fds).entryList(QDir::System | QDir::NoDotAndDotDot))
                if (QFile::symLinkTarget(fds + fd).endsWith("socket:[" + field[9] + ']'))
                    return true;
    }
    return false;
}

QString allLogs(const ServerStart &server, bool remove = false)
{
    QString text;
    for (const QString &log : QStringList{server.log} + server.ownLogs)
        remove ? void(QFile::remove(log)) : void(text += readFile(log));
    return text;
}

} // namespace

bool portTaken(const ServerStart &server)
{
    return allLogs(server).contains(QLatin1String("Address already in use"));
}

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

QString startServer(QProcess &process, const ServerStart &server)
{
    const QString program = installedProgram(server.program);
    const QString name = QFileInfo(server.program).fileName();
    if (program.isEmpty())
        return name + " is not installed: not in /usr/sbin, /usr/bin, /sbin, /bin or PATH";
    allLogs(server, true); // only this run's words count
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(server.log);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : server.environment)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.setChildProcessModifier([] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    process.start(program, server.arguments);
    if (!process.waitForStarted(5000))
        return QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
    const auto settled = [&] {
        return process.state() != QProcess::Running || portTaken(server) ||
               listensOn(process.processId(), server.port);
    };
    if ((server.port == 0 || QTest::qWaitFor(settled, 15000)) &&
        process.state() == QProcess::Running && !portTaken(server))
        return {};
    return QStringLiteral("%1 did not come up (port %2, 15 seconds): %3")
        .arg(program, QString::number(server.port), allLogs(server));
}

QString startOnFreePort(std::unique_ptr<QProcess> &process, ServerStart server,
                        const std::function<QStringList(quint16)> &arguments, quint16 &port)
{
    QString why;
    for (int attempt = 0; attempt < 5; ++attempt) {
        // A fresh QProcess each time: the old one ends the server it ran.
        process = std::make_unique<QProcess>();
        server.port = port = freeLoopbackPort();
        server.arguments = arguments(port);
        if (port == 0 || server.arguments.isEmpty())
            return "no free loopback port, or no configuration for it, for " + server.program;
        why = startServer(*process, server);
        if (why.isEmpty() || !portTaken(server))
            return why;
    }
    return why;
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
        const bool found = modal && modal->objectName() == objectName &&
                           modal->property("state").toString() != QLatin1String("Looking");
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

bool MessageWatcher::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (event->type() == QEvent::Show && box) {
        const bool ours =
            box->windowTitle() == QLatin1String("Mirel") && box->icon() == QMessageBox::NoIcon;
        const bool plain = ours && box->buttons().size() == 1;
        const bool question =
            ours && box->buttons().size() == 2 &&
            box->standardButtons() == (QMessageBox::Yes | QMessageBox::No) &&
            box->defaultButton() == static_cast<QAbstractButton *>(box->button(QMessageBox::No));
        texts << (plain      ? box->text()
                  : question ? QStringLiteral("ASKED: ") + box->text()
                             : QStringLiteral("NOT PLAIN: ") + box->text());
        QAbstractButton *button = question
                                      ? box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)
                                      : box->buttons().value(0);
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
    }
    return false;
}

void saveAs(QDialog &saveDialog, const QString &name)
{
    saveDialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    QMetaObject::invokeMethod(&saveDialog, "accept");
}

namespace {

void readAccessible(QAccessibleInterface *node, QStringList &lines)
{
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    QString labels; // what a reader says a control is, beside its name
    for (const auto &[label, relation] : node->relations(QAccessible::Label))
        labels += QStringLiteral(" <- ") + label->text(QAccessible::Name);
    if (!name.isEmpty() || state.focusable)
        lines << QString::fromLatin1(
                     QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role())) +
                     u' ' + name + labels + (state.focused ? QStringLiteral(" *") : QString());
    for (int i = 0; i < node->childCount(); ++i)
        readAccessible(node->child(i), lines);
}

} // namespace

QStringList accessibleTree(QWidget *window)
{
    QStringList lines;
    readAccessible(QAccessible::queryAccessibleInterface(window), lines);
    return lines;
}
