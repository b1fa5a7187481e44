// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <utility>

struct JobReport;
class JobPoller;

// Follows the jobs the print route made, each until it is printed, cancelled
// or aborted, and says in the user's words what a copy waits for while it
// waits: paper, a jam, a cover, toner, a printer that cannot be reached, a
// paused queue, a held job, and a copy the system did not print. The
// scheduler is asked on a thread of its own, so the window never waits on
// it, and no thread runs before the first job. Going away, it stops asking
// and leaves every job to the scheduler.
class JobWatcher : public QObject
{
    Q_OBJECT

public:
    // How often the scheduler is asked; how long a job may make no progress
    // while its printer cannot be reached, or says something else is wrong,
    // before that is said; how long "cancelled" stays. The program keeps
    // these; tests shorten them.
    struct Timing
    {
        int pollMs = 1000;
        int stalledMs = 20000;
        int noticeMs = 4000;
    };
    static void setTiming(const Timing &timing);
    static Timing timing();

    JobWatcher();
    ~JobWatcher() override;

    void follow(const PrintedJob &job);
    // Cancels the latest job not cancelled yet.
    void cancelLatest();
    void dismiss();
    void setListener(Printing::StatusListener listener);
    PrintStatus status() const { return m_status; }

private:
    struct Followed
    {
        PrintedJob job;
        PrintStatus said;
        bool cancelRequested = false;
        std::pair<int, int> progress{-1, -1}; // state and impressions
        QElapsedTimer sinceProgress;
    };
    void take(const JobReport &report);
    void end(qsizetype index, const PrintStatus &notice);
    PrintStatus wordsFor(const JobReport &report, Followed &followed) const;
    void show();

    std::unique_ptr<JobPoller> m_poller;
    QList<Followed> m_jobs;
    PrintStatus m_notice; // words that outlive their job
    QTimer m_noticeTimer;
    PrintStatus m_status;
    Printing::StatusListener m_listener;
};
