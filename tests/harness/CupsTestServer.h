// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private CUPS scheduler for tests and benchmarks that print.
//
// start() makes a temporary ServerRoot with its own spool, picks a free
// loopback port, runs `cupsd -f` there and waits until it answers. From then
// on everything in this process (libcups through cupsSetServer, Qt's print
// support, and the command-line tools through CUPS_SERVER) talks to it and
// never to the machine's own scheduler. Documents stay in the spool after
// their jobs end, and finished jobs stay listed, so a test can read what was
// printed and with which attributes.
//
// The scheduler stops in stop(), in the destructor, and, should the test
// process die without either, by itself: it gets SIGTERM when its parent goes.
// After stop() CUPS_SERVER keeps pointing at the dead port, which is exactly
// "no scheduler at all" for whatever runs next.
//
//     CupsTestServer cups;
//     QVERIFY2(cups.start(), qPrintable(cups.lastError()));
//     QVERIFY(cups.addQueue("copier"));                // PPD with 12 pt margins
//     ... print to "copier" ...
//     const auto jobs = cups.jobs("copier");
//     QCOMPARE(jobs.size(), 1);
//     const QByteArray pdf = cups.document(jobs[0].id);
//
// Everything here runs as root (cupsd needs it); the scheduler keeps its
// default unprivileged user for filters and backends.
class CupsTestServer
{
public:
    // One job as the scheduler reports it.
    struct Job
    {
        int id = 0;
        // The IPP keyword: pending, held, processing, stopped, canceled, aborted, completed.
        QString state;
        // The job's "copies" attribute; -1 when the job has none.
        int copies = -1;
        int documents = 0;
        QString name;
    };

    CupsTestServer();
    ~CupsTestServer();
    CupsTestServer(const CupsTestServer &) = delete;
    CupsTestServer &operator=(const CupsTestServer &) = delete;

    // Starts the scheduler and points this process at it. False (see
    // lastError()) when cupsd is missing, exits or does not answer in time.
    bool start();
    // Stops the scheduler and waits for it; the spool stays until destruction.
    void stop();
    bool isRunning() const;

    quint16 port() const { return m_port; }
    // "127.0.0.1:PORT", the value given to CUPS_SERVER.
    QString serverName() const;
    // The temporary ServerRoot; RequestRoot is its "spool" folder.
    QString root() const;
    QString lastError() const { return m_lastError; }
    // The scheduler's error log, for failure messages.
    QByteArray errorLog() const;
    // Only its error lines.
    QString errorLines() const;

    // Adds an enabled queue that accepts jobs and throws its output away. With
    // margins it uses CUPS's generic PostScript PPD (12 pt margins on every
    // side, so the printable area differs from the page); without, a raw queue.
    // A failing filter aborts the job rather than stopping the queue.
    bool addQueue(const QString &name, bool withMargins = true);
    bool deleteQueue(const QString &name);
    // Stops (pauses) a queue: it still accepts jobs and holds them.
    bool stopQueue(const QString &name);
    bool resumeQueue(const QString &name);
    // Makes a queue refuse new jobs, or take them again.
    bool rejectJobs(const QString &name);
    bool acceptJobs(const QString &name);
    bool setDefault(const QString &name);

    // Every job of a queue, finished ones included, oldest first.
    QList<Job> jobs(const QString &queue) const;
    // The spooled file of document `document` (from 1) of a job, as submitted.
    QString documentPath(int jobId, int document = 1) const;
    QByteArray document(int jobId, int document = 1) const;

private:
    bool adminRequest(int operation, const QString &queue, const char *what);
    bool fail(const QString &why);

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess m_cupsd;
    quint16 m_port = 0;
    QString m_lastError;
};
