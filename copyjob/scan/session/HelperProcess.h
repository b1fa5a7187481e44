// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/protocol/ScannerProtocol.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QProcess;
class QSocketNotifier;

// The scanner helper as a process: started with its end of a socket pair as
// descriptor 3 (and ended by the system if Mirel goes first), the channel to
// it, and its end, asked for or forced. readable() says when the helper has
// written; what it wrote is the owner's to read from channel().
class HelperProcess : public QObject
{
    Q_OBJECT
public:
    // The helper's answer to Hello.
    struct Hello
    {
        bool available = false; // libsane loaded and sane_init done
        int version = 0;        // SANE's, times 100
    };
    // How a helper that went away ended.
    struct Ending
    {
        int signal = 0;     // the signal that ended it; 0 when it exited
        int exitStatus = 0; // when it exited
    };

    HelperProcess();
    ~HelperProcess() override; // ends a helper still running

    // Starts the program at path; false when it could not be started.
    bool start(const QString &path);
    bool isRunning() const { return m_channel != nullptr; }
    // The channel to the running helper; null while none runs.
    ScannerProtocol::Channel *channel() const { return m_channel.get(); }
    // 0 while none runs.
    qint64 processId() const;
    // Helpers started so far: tells this one from one started after it.
    quint64 starts() const { return m_starts; }
    // Tells the helper which libsane to load and waits up to msecs for its
    // answer; none when it gives none in that time, or one that does not read.
    std::optional<Hello> hello(const QString &libraryFile, int msecs);

    // Asks the helper to quit and waits up to msecs; ended at once if it
    // does not go in that time.
    void quit(int msecs);
    // Ends the helper at once.
    void kill();
    // After its channel closed: waits a moment for the helper to end (ends it
    // if it does not, or at once with endFirst), and says how it ended.
    // Nothing runs afterwards.
    Ending reap(bool endFirst = false);

signals:
    void readable();

private:
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<ScannerProtocol::Channel> m_channel;
    std::unique_ptr<QSocketNotifier> m_notifier;
    quint64 m_starts = 0;
};
