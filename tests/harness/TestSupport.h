// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every harness and suite uses, whatever part it drives: files, the
// servers a test starts, the clipboard, and answering a modal dialog.

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QProcess>
#include <QStringList>

#include <functional>
#include <memory>

// Files the harnesses write and read back: true once all of text is written;
// what a log holds, or nothing.
bool writeFile(const QString &path, const QByteArray &text);
QString readFile(const QString &path);

// A child process run to its end: what it wrote, at most 64 MiB of each
// stream; ended is false when it was killed for running past
// its time or writing more than that.
struct ChildRun
{
    bool ended = false;
    int exitCode = -1;
    QByteArray out, err;
    bool ok() const { return ended && exitCode == 0; }
};
// Runs program with "NAME=value" variables over this process's own, serving
// this process's events meanwhile (the child may be asking it for the
// clipboard, or another child may be started from a timer), and kills it
// after timeoutMs.
ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment = {}, int timeoutMs = 120000);

// What a tool (pdfinfo, pdfimages, pdftocairo ...) writes on standard output
// within two minutes; nothing when it fails.
QByteArray toolOutput(const QString &program, const QStringList &arguments);
// The pages of a PDF as pdfinfo reads them; -1 when it is no valid PDF.
int pdfPageCount(const QString &pdf);

// The words the scan dialog shows for a status the scanner answers with, by
// SANE's name for it less "SANE_STATUS_" ("IO_ERROR", "JAMMED" ...): one
// table for every suite that compares them. Empty for a status not in it.
QString scannerStatusWords(const QString &status);

// Forgets what the scanner layer kept from earlier copies in this suite's own
// configuration folder (see ConfigHome.cpp), for a row that starts afresh.
void forgetKeptChoices();

// Where Debian installs a program the tests start (/usr/sbin, /usr/bin, /sbin,
// /bin), whatever the caller's PATH holds, then PATH; empty when not installed.
QString installedProgram(const QString &name);

// A server a test starts: its output goes to log (a pipe nobody reads stalls
// it once it fills), and it may write logs of its own.
struct ServerStart
{
    QString program; // by name, found by installedProgram()
    QStringList arguments;
    QString log;
    quint16 port = 0; // the loopback port it listens on, if any
    QStringList ownLogs = {};
    QStringList environment = {}; // "NAME=value" over this process's own
};

// Starts it in a process group of its own that a kill of the group ends with
// all it forked, ended with this process too. Empty once it runs and, for a
// port, this very process listens on it within 15 seconds; else why not, in
// words that name the program.
QString startServer(QProcess &process, const ServerStart &server);

// For a server that takes a free loopback port: arguments(port) gives its
// command line for a port (and writes any file that names it). When another
// process takes the port first (the server ends, or says the address is in
// use), another port is tried, five in all. Empty once it listens; port then
// holds where, and process the server.
QString startOnFreePort(std::unique_ptr<QProcess> &process, ServerStart server,
                        const std::function<QStringList(quint16)> &arguments, quint16 &port);
// The server said its port was taken.
bool portTaken(const ServerStart &server);
// A free loopback port a moment ago, or 0.
quint16 freeLoopbackPort();

// The image on the clipboard, in the one format tests compare pixels in.
QImage clipboardImage();

// ran turns true once the answer ran; clearing armed keeps it from answering
// a dialog that comes later, such as the next copy's.
struct DialogAnswer
{
    bool ran = false, armed = true;
};

// Runs answer on the active modal dialog once it has this objectName
// ("SaveDialog", "SourceDialog"...) while it is armed, polling from a timer so
// it can be armed before a call that blocks in exec(). It gives up after 20
// seconds.
std::shared_ptr<DialogAnswer> answerDialog(const QString &objectName,
                                           std::function<void(QDialog &)> answer);
// A key to a dialog's focus widget, as a user would press it.
void pressKeyOn(QWidget *dialog, Qt::Key key);

// Records the text of every message box the program shows and closes it with
// OK. A box that is not the program's one kind (title "Mirel", no icon, one
// button) is recorded with the prefix "NOT PLAIN: ". The program's one kind
// of question (the same with Yes and No, No the default) is recorded with the
// prefix "ASKED: " and answered with yes or no as `answerYes` says.
class MessageWatcher : public QObject
{
public:
    QStringList texts;
    bool answerYes = false;
    MessageWatcher() { qApp->installEventFilter(this); }
    ~MessageWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// What a screen reader reads of a window, in its own order: a line
// "Role name" for each shown control that has a name or takes the focus,
// with " <- label" for each label that names it (a combo box's name is its
// value) and " *" for the one with the focus.
QStringList accessibleTree(QWidget *window);

// In a save dialog: types name and presses Enter.
void saveAs(QDialog &saveDialog, const QString &name);
