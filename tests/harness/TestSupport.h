// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every harness and suite uses, whatever part it drives: files, the
// servers a test starts, the clipboard, and answering a modal dialog.

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

// Starts a server for a test: its output into log (a pipe nobody reads stalls
// it once it fills), in a process group of its own that a kill of the group
// ends with all it forked, and ended with this process. True once it runs and,
// for a port, answers on host:port within 15 seconds.
bool startServer(QProcess &process, const QString &program, const QStringList &arguments,
                 const QString &log, const QString &host = {}, quint16 port = 0);

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
