// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

struct CupsApi;
struct _http_s;

// What one look at a job found: the job as its scheduler holds it and the
// queue it waits in, or what became of a Cancel-Job.
struct JobReport
{
    int id = 0;
    bool answered = false; // the scheduler answered about the job
    bool known = true;     // and still knows it
    int state = 0;         // ipp_jstate_t
    QList<QByteArray> jobReasons;
    int impressions = 0;
    QString jobMessage;   // the queue's message kept with the job
    int printerState = 0; // ipp_pstate_t
    QList<QByteArray> printerReasons;
    QString printerMessage;
    enum class Cancel { None, Taken, Refused };
    Cancel cancel = Cancel::None;
    QString cancelRefusal; // the scheduler's words
};

// Asks the schedulers about the jobs it follows (Get-Job-Attributes, then
// Get-Printer-Attributes on the job's queue) every interval, on a thread of
// its own, and sends Cancel-Job when asked; each answer goes to `deliver`,
// called on that thread. A job is followed until its scheduler says it ended
// or no longer knows it. No request waits more than a few seconds, so going
// away is quick whatever the schedulers do.
class JobPoller
{
public:
    using Deliver = std::function<void(const JobReport &)>;
    JobPoller(const CupsApi &api, Deliver deliver, int intervalMs);
    ~JobPoller();
    JobPoller(const JobPoller &) = delete;
    JobPoller &operator=(const JobPoller &) = delete;

    void follow(const PrintedJob &job);
    void cancel(int id);

private:
    void run();
    _http_s *connection(const PrintedJob &job);
    JobReport ask(_http_s *http, const PrintedJob &job);
    void askPrinter(_http_s *http, const QByteArray &uri, JobReport &report);
    JobReport cancelJob(_http_s *http, const PrintedJob &job);

    const CupsApi &m_api;
    Deliver m_deliver;
    int m_interval;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    QList<PrintedJob> m_jobs;
    QList<int> m_cancels;
    bool m_fresh = false; // a job came that was not asked about yet
    bool m_stop = false;
    QMap<QByteArray, _http_s *> m_connections; // the thread's own
    std::thread m_thread;
};
