// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A private CUPS scheduler for tests and benchmarks that print, with real
// printers behind it when a test asks for them.
//
// start() makes a temporary ServerRoot with its own spool, runs `cupsd -f`
// there on a free loopback port (another, when someone takes that one first)
// as whoever runs the test (root or not) and waits until it listens. From then on this process
// (libcups through cupsSetServer, Qt, and the command-line tools through CUPS_SERVER) talks to it
// and never to the machine's own scheduler. Documents and finished jobs stay, so a test can read
// what was printed and with which attributes. Everything started here stops in stop(), in the
// destructor, or with the test process; after stop() CUPS_SERVER names a dead port: "no scheduler".
//
//     CupsTestServer cups;
//     QVERIFY2(cups.start(), qPrintable(cups.lastError()));
//     QVERIFY(cups.addQueue("copier"));                // PPD with 12 pt margins
//     ... print to "copier" ...
//     const auto jobs = cups.jobs("copier");
//     QFile pdf(cups.documentPath(jobs[0].id));
class CupsTestServer
{
public:
    // One job as the scheduler or a printer reports it.
    struct Job
    {
        int id = 0;
        int state = 0;   // ipp_jstate_t
        int copies = -1; // -1 when the job has none
        int documents = 0;
        QString media;
        QString sides;            // "one-sided", "two-sided-long-edge"...
        QString documentHandling; // multiple-document-handling
    };

    ~CupsTestServer() { stop(); }

    bool start();
    void stop();
    QString serverName() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString root() const { return m_dir ? m_dir->path() : QString(); }
    QString lastError() const { return m_lastError; }

    // An enabled queue that accepts jobs and throws its output away: CUPS's
    // generic PostScript PPD (12 pt margins) or, without margins, raw. A
    // failing filter aborts the job rather than stopping the queue.
    bool addQueue(const QString &name, bool withMargins = true);
    // The same PostScript queue with its duplexer installed: it lists
    // two-sided printing among what it supports, where the others do not.
    bool addDuplexQueue(const QString &name);
    // A driverless queue (`-m everywhere`) in front of a printer of its own:
    // CUPS's IPP Everywhere printer, ippeveprinter, taking PDF on a loopback
    // port and keeping every document it receives.
    // With twoSided, the printer prints on both sides of the sheet.
    bool addEverywhereQueue(const QString &name, bool twoSided = false,
                            const QString &command = {});
    // The same printer in trouble: for each job it raises the reason given
    // to setTrouble() (STATE: +media-empty-error ...) as a real printer
    // reports it, holds the job until release() unless told not to, then
    // clears the reason and ends the job with the exit status given
    // (non-zero: not printed).
    bool addTroubledQueue(const QString &name);
    void setTrouble(const QString &queue, const QString &reason, int exitStatus = 0,
                    bool hold = true);
    void release(const QString &queue);
    // A queue on an IPP printer at a loopback port where nothing answers.
    bool addUnreachableQueue(const QString &name);
    // Every job the queue takes from now on waits, held, until released.
    bool holdJobs(const QString &name)
    {
        return lpadmin({"-p", name, "-o", "job-hold-until-default=indefinite"});
    }
    bool releaseJob(int id) { return tool("lp", {"-i", QString::number(id), "-H", "resume"}); }
    bool deleteQueue(const QString &name) { return lpadmin({QStringLiteral("-x"), name}); }
    bool setDefault(const QString &name) { return lpadmin({QStringLiteral("-d"), name}); }
    // Paused: the queue still takes jobs and holds them.
    bool stopQueue(const QString &name) { return tool(QStringLiteral("cupsdisable"), {name}); }
    bool resumeQueue(const QString &name) { return tool(QStringLiteral("cupsenable"), {name}); }
    bool rejectJobs(const QString &name) { return tool(QStringLiteral("cupsreject"), {name}); }

    // Every job of a queue, finished ones included, oldest first.
    QList<Job> jobs(const QString &queue) const;
    // The spooled file of a job's document, as submitted.
    QString documentPath(int jobId) const;

    // What the printer behind an everywhere queue holds: its jobs, with the
    // copies it was asked for, once it holds `count` and has printed the last;
    // empty after a minute without.
    QList<Job> printerJobs(const QString &queue, int count) const;
    // The document of one of that printer's jobs as it arrived.
    QString received(const QString &queue, int printerJobId) const;

private:
    static QList<Job> jobsAt(const char *host, int port, const QString &uri);
    bool lpadmin(const QStringList &arguments) { return tool("lpadmin", arguments); }
    bool tool(const QString &program, const QStringList &arguments);
    bool fail(const QString &why);

    std::unique_ptr<QTemporaryDir> m_dir;
    quint16 m_port = 0;
    QString m_lastError;
    // What stop() ends: the scheduler, then the D-Bus and IPP printer
    // processes; each printer's port.
    std::vector<std::unique_ptr<QProcess>> m_children;
    QMap<QString, quint16> m_printers;
};
