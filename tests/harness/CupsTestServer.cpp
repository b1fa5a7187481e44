// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/CupsTestServer.h"

#include "harness/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cups/cups.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Run as root, cupsd hands its filters to the unprivileged user of group lp,
// who must reach the spool; run as anyone else, everything stays that user's.
bool makeSpoolDir(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const group *lp = ::getgrnam("lp");
    return QDir().mkpath(path) &&
           (::geteuid() != 0 || (lp && ::chown(name.constData(), 0, lp->gr_gid) == 0 &&
                                 ::chmod(name.constData(), 0770) == 0));
}

} // namespace

bool CupsTestServer::fail(const QString &why)
{
    m_lastError = why;
    return false;
}

bool CupsTestServer::start()
{
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/mirel-cups-XXXXXX");
    const QString dir = m_dir->path();
    // Filters read the spooled file by path.
    ::chmod(QFile::encodeName(dir).constData(), 0755);
    for (const char *sub : {"spool", "cache", "state", "tmp", "log"})
        if (!makeSpoolDir(dir + '/' + sub))
            return fail(QString("cannot prepare %1/%2").arg(dir, sub));

    const QString paths[] = {dir + "/cupsd.conf", dir + "/cups-files.conf"};
    const QString files =
        QString("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                "TempDir %1/tmp\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                "PageLog %1/log/page_log\nPrintcap %1/printcap\nFileDevice Yes\n")
            .arg(dir);
    if (!writeFile(paths[1], files.toUtf8()))
        return fail("cannot write the configuration in " + dir);
    // No User or Group lines: the scheduler keeps the user it was started as.
    // The port is written afresh for every try.
    const auto arguments = [&paths](quint16 port) {
        const QString conf =
            QString("Listen 127.0.0.1:%1\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                    "DefaultAuthType None\nErrorPolicy abort-job\nPreserveJobFiles Yes\n"
                    "PreserveJobHistory Yes\nMaxJobs 0\n<Location />\n  Order allow,deny\n"
                    "  Allow all\n</Location>\n<Policy default>\n  JobPrivateAccess all\n"
                    "  JobPrivateValues none\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                    "</Policy>\n")
                .arg(port);
        return writeFile(paths[0], conf.toUtf8())
                   ? QStringList{"-f", "-c", paths[0], "-s", paths[1]}
                   : QStringList();
    };
    const ServerStart cupsd{"cupsd", {}, dir + "/log/cupsd", 0, {dir + "/log/error_log"}};
    const QString why = startOnFreePort(m_children.emplace_back(), cupsd, arguments, m_port);
    qputenv("CUPS_SERVER", serverName().toUtf8());
    cupsSetServer(serverName().toUtf8().constData());
    if (why.isEmpty())
        return true;
    stop();
    return fail(QString("cupsd did not answer on %1: %2").arg(serverName(), why));
}

void CupsTestServer::stop()
{
    // The printers first, the scheduler last.
    for (; !m_children.empty(); m_children.pop_back()) {
        m_children.back()->terminate();
        if (!m_children.back()->waitForFinished(10000))
            m_children.back()->kill();
        m_children.back()->waitForFinished(5000);
    }
    // Whatever libcups still holds open goes to a port nobody serves now.
    cupsSetServer(serverName().toUtf8().constData());
}

bool CupsTestServer::tool(const QString &program, const QStringList &arguments)
{
    const QString path = installedProgram(program);
    if (path.isEmpty())
        return fail(program + " is not installed: not in /usr/sbin, /usr/bin, /sbin, /bin or PATH");
    const ChildRun run = runChild(path, arguments, {}, 60000);
    if (!run.ok())
        return fail(
            QString("%1 %2: %3")
                .arg(program, arguments.join(' '), QString::fromLocal8Bit(run.out + run.err)));
    return true;
}

bool CupsTestServer::addQueue(const QString &name, bool withMargins)
{
    return lpadmin({"-p", name, "-E", "-v", "file:/dev/null", "-m",
                    withMargins ? "drv:///sample.drv/generic.ppd" : "raw"});
}

bool CupsTestServer::addDuplexQueue(const QString &name)
{
    return lpadmin({"-p", name, "-E", "-v", "file:/dev/null", "-m", "drv:///sample.drv/generic.ppd",
                    "-o", "Option1=True"});
}

namespace {

// The troubled printer's job command; DIR holds what the test says. A job it
// does not hold still takes a few seconds, as printing does: a job that ends
// at once may end before CUPS's ipp backend first looks, and then the queue
// may not hear how it ended.
constexpr char kTroubledJob[] = R"(#!/bin/sh
rm -f DIR/go
r=$(cat DIR/reason 2>/dev/null)
[ -z "$r" ] || echo "STATE: +$r" >&2
i=0
while [ -e DIR/hold ] && [ ! -e DIR/go ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i + 1)); done
[ -e DIR/hold ] || sleep 3
rm -f DIR/go
[ -z "$r" ] || echo "STATE: -$r" >&2
exit $(cat DIR/exit 2>/dev/null || echo 0)
)";

} // namespace

bool CupsTestServer::addTroubledQueue(const QString &name)
{
    const QString dir = root() + "/trouble-" + name;
    const QString command = dir + "/job";
    if (!QDir().mkpath(dir) ||
        !writeFile(command, QString(kTroubledJob).replace("DIR", dir).toUtf8()) ||
        !QFile::setPermissions(command, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther))
        return fail("cannot write the job command in " + dir);
    return addEverywhereQueue(name, false, command);
}

void CupsTestServer::setTrouble(const QString &queue, const QString &reason, int exitStatus,
                                bool hold)
{
    const QString dir = root() + "/trouble-" + queue;
    writeFile(dir + "/reason", reason.toUtf8());
    writeFile(dir + "/exit", QByteArray::number(exitStatus));
    hold ? writeFile(dir + "/hold", {}) : QFile::remove(dir + "/hold");
}

void CupsTestServer::release(const QString &queue)
{
    writeFile(root() + "/trouble-" + queue + "/go", {});
}

bool CupsTestServer::addUnreachableQueue(const QString &name)
{
    const QString uri = QString("ipp://127.0.0.1:%1/ipp/print").arg(freeLoopbackPort());
    return lpadmin({"-p", name, "-E", "-v", uri, "-m", "drv:///sample.drv/generic.ppd"});
}

bool CupsTestServer::addEverywhereQueue(const QString &name, bool twoSided, const QString &command)
{
    // ippeveprinter will not start without a system bus, even when it
    // advertises nothing: a private one serves.
    const QString bus = root() + "/bus";
    if (!QFile::exists(bus)) {
        const ServerStart dbus{"dbus-daemon",
                               {"--session", "--nofork", "--address=unix:path=" + bus},
                               root() + "/log/dbus-daemon"};
        if (const QString why = startServer(*m_children.emplace_back(new QProcess), dbus);
            !why.isEmpty())
            return fail(why);
    }
    const QDeadlineTimer deadline(15000);
    while (!QFile::exists(bus) && !deadline.hasExpired())
        QThread::msleep(20);
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(bus));
    const QString received = root() + "/received-" + name;
    QDir().mkpath(received);
    // In colour, so with an inkjet's margins: 1.02 mm at the top, 11.68 at the bottom.
    const auto arguments = [&](quint16 port) {
        return QStringList(twoSided ? QStringList{"-2"} : QStringList()) +
               QStringList(command.isEmpty() ? QStringList() : QStringList{"-c", command}) +
               QStringList{"-k",
                           "-d",
                           received,
                           "-r",
                           "off",
                           "-n",
                           "localhost",
                           "-p",
                           QString::number(port),
                           "-s",
                           "10,10",
                           "-f",
                           "application/pdf",
                           name};
    };
    quint16 &port = m_printers[name];
    const QString why = startOnFreePort(
        m_children.emplace_back(), {"ippeveprinter", {}, root() + "/log/ippeveprinter-" + name},
        arguments, port);
    if (!why.isEmpty())
        return fail("ippeveprinter did not start: " + why);
    const QString uri = QString("ipp://localhost:%1/ipp/print").arg(port);
    return lpadmin({"-p", name, "-E", "-v", uri, "-m", "everywhere"});
}

QList<CupsTestServer::Job> CupsTestServer::printerJobs(const QString &queue, int count) const
{
    const quint16 port = m_printers.value(queue);
    const QString uri = QString("ipp://localhost:%1/ipp/print").arg(port);
    for (const QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100)) {
        const auto held = jobsAt("localhost", port, uri);
        if (held.size() >= count && (count == 0 || held.last().state == IPP_JSTATE_COMPLETED))
            return held;
    }
    return {};
}

QString CupsTestServer::received(const QString &queue, int printerJobId) const
{
    QDir dir(root() + "/received-" + queue);
    const QStringList files = dir.entryList({QString::number(printerJobId) + "-*"});
    return files.isEmpty() ? QString() : dir.filePath(files.first());
}

QList<CupsTestServer::Job> CupsTestServer::jobs(const QString &queue) const
{
    return jobsAt("127.0.0.1", m_port, QString("ipp://%1/printers/%2").arg(serverName(), queue));
}

QList<CupsTestServer::Job> CupsTestServer::jobsAt(const char *host, int port, const QString &uri)
{
    http_t *http =
        httpConnect2(host, port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 30000, nullptr);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 uri.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    // "all": ippeveprinter leaves out what a list names, copies among them.
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "all");
    ipp_t *response = cupsDoRequest(http, request, "/");
    httpClose(http);
    // Each job's attributes end at a separator, an attribute without a name.
    static const QMap<QByteArray, int Job::*> numbers = {{"job-id", &Job::id},
                                                         {"job-state", &Job::state},
                                                         {"copies", &Job::copies},
                                                         {"number-of-documents", &Job::documents}};
    QList<Job> result(1);
    for (ipp_attribute_t *a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
        const QByteArray key(ippGetName(a));
        Job &job = result.last();
        if (key.isEmpty())
            result.append(Job{});
        else if (numbers.contains(key))
            job.*numbers[key] = ippGetInteger(a, 0);
        else if (key == "media")
            job.media = QString::fromUtf8(ippGetString(a, 0, nullptr));
        else if (key == "sides")
            job.sides = QString::fromUtf8(ippGetString(a, 0, nullptr));
        else if (key == "multiple-document-handling")
            job.documentHandling = QString::fromUtf8(ippGetString(a, 0, nullptr));
    }
    ippDelete(response);
    result.removeIf([](const Job &job) { return job.id == 0; });
    std::sort(result.begin(), result.end(), [](const Job &a, const Job &b) { return a.id < b.id; });
    return result;
}

QString CupsTestServer::documentPath(int jobId) const
{
    return root() + QString::asprintf("/spool/d%05d-001", jobId);
}
