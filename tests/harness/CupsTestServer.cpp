// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/CupsTestServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>
#include <iterator>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A port nobody listens on right now. The scheduler binds it a moment later;
// another process taking it in between would make start() fail, not hang.
quint16 freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// cupsd keeps its spool, cache and state out of reach of everyone but itself
// and its filters, which run as the unprivileged user of group lp.
bool makePrivateDir(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    if (::geteuid() == 0) {
        if (const group *lp = ::getgrnam("lp"))
            if (::chown(QFile::encodeName(path).constData(), 0, lp->gr_gid) != 0)
                return false;
    }
    return ::chmod(QFile::encodeName(path).constData(), 0770) == 0;
}

const char *jobStateName(int state)
{
    switch (state) {
    case IPP_JSTATE_PENDING:
        return "pending";
    case IPP_JSTATE_HELD:
        return "held";
    case IPP_JSTATE_PROCESSING:
        return "processing";
    case IPP_JSTATE_STOPPED:
        return "stopped";
    case IPP_JSTATE_CANCELED:
        return "canceled";
    case IPP_JSTATE_ABORTED:
        return "aborted";
    case IPP_JSTATE_COMPLETED:
        return "completed";
    }
    return "unknown";
}

} // namespace

CupsTestServer::CupsTestServer() = default;

CupsTestServer::~CupsTestServer()
{
    stop();
}

QString CupsTestServer::serverName() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString CupsTestServer::root() const
{
    return m_dir ? m_dir->path() : QString();
}

bool CupsTestServer::fail(const QString &why)
{
    m_lastError = why;
    return false;
}

bool CupsTestServer::isRunning() const
{
    return m_cupsd.state() != QProcess::NotRunning;
}

QByteArray CupsTestServer::errorLog() const
{
    QFile log(root() + QStringLiteral("/log/error_log"));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

QString CupsTestServer::errorLines() const
{
    QStringList errors;
    for (const QByteArray &line : errorLog().split('\n'))
        if (line.startsWith("E "))
            errors.append(QString::fromLocal8Bit(line));
    return errors.join(u'\n');
}

bool CupsTestServer::start()
{
    if (isRunning())
        return true;
    const QString cupsd = QStandardPaths::findExecutable(
        QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    if (cupsd.isEmpty())
        return fail(QStringLiteral("cupsd is not installed"));

    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/mirel-cups-XXXXXX"));
    if (!m_dir->isValid())
        return fail(QStringLiteral("no temporary folder: %1").arg(m_dir->errorString()));
    const QString dir = m_dir->path();
    // Filters run unprivileged and read the spooled file by path.
    ::chmod(QFile::encodeName(dir).constData(), 0755);
    for (const char *sub : {"spool", "cache", "state", "tmp"})
        if (!makePrivateDir(dir + QLatin1Char('/') + QLatin1String(sub)))
            return fail(QStringLiteral("cannot prepare %1/%2").arg(dir, QLatin1String(sub)));
    QDir().mkpath(dir + QStringLiteral("/log"));

    m_port = freeLoopbackPort();
    if (m_port == 0)
        return fail(QStringLiteral("no free loopback port"));

    const QByteArray conf = QStringLiteral("Listen 127.0.0.1:%1\n"
                                           "LogLevel warn\n"
                                           "Browsing No\n"
                                           "WebInterface No\n"
                                           "DefaultAuthType None\n"
                                           "ErrorPolicy abort-job\n"
                                           "PreserveJobFiles Yes\n"
                                           "PreserveJobHistory Yes\n"
                                           "MaxJobs 0\n"
                                           "<Location />\n  Order allow,deny\n  Allow all\n"
                                           "</Location>\n"
                                           "<Policy default>\n  JobPrivateAccess all\n"
                                           "  JobPrivateValues none\n"
                                           "  SubscriptionPrivateAccess all\n"
                                           "  SubscriptionPrivateValues none\n"
                                           "  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                           "</Policy>\n")
                                .arg(m_port)
                                .toUtf8();
    const QByteArray files = QStringLiteral("ServerRoot %1\n"
                                            "RequestRoot %1/spool\n"
                                            "CacheDir %1/cache\n"
                                            "StateDir %1/state\n"
                                            "TempDir %1/tmp\n"
                                            "AccessLog %1/log/access_log\n"
                                            "ErrorLog %1/log/error_log\n"
                                            "PageLog %1/log/page_log\n"
                                            "Printcap %1/printcap\n"
                                            "FileDevice Yes\n")
                                 .arg(dir)
                                 .toUtf8();
    const QString confPath = dir + QStringLiteral("/cupsd.conf");
    const QString filesPath = dir + QStringLiteral("/cups-files.conf");
    if (!writeFile(confPath, conf) || !writeFile(filesPath, files))
        return fail(QStringLiteral("cannot write the scheduler's configuration"));

    m_cupsd.setProgram(cupsd);
    m_cupsd.setArguments(
        {QStringLiteral("-f"), QStringLiteral("-c"), confPath, QStringLiteral("-s"), filesPath});
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    // A test that crashes or is killed takes its scheduler with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start();
    if (!m_cupsd.waitForStarted(5000))
        return fail(QStringLiteral("cupsd did not start: %1").arg(m_cupsd.errorString()));

    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (!isRunning())
            return fail(QStringLiteral("cupsd exited: %1 %2")
                            .arg(QString::fromLocal8Bit(m_cupsd.readAll()),
                                 QString::fromLocal8Bit(errorLog())));
        if (http_t *http = httpConnect2("127.0.0.1", m_port, nullptr, AF_INET,
                                        HTTP_ENCRYPTION_NEVER, 1, 250, nullptr)) {
            ipp_t *response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_PRINTERS), "/");
            const bool answered = response != nullptr;
            ippDelete(response);
            httpClose(http);
            if (answered) {
                qputenv("CUPS_SERVER", serverName().toUtf8());
                cupsSetServer(serverName().toUtf8().constData());
                return true;
            }
        }
        QThread::msleep(50);
    }
    stop();
    return fail(QStringLiteral("cupsd did not answer on %1").arg(serverName()));
}

void CupsTestServer::stop()
{
    if (!isRunning())
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
    // Whatever libcups still holds open goes to a port nobody serves now.
    cupsSetServer(serverName().toUtf8().constData());
}

bool CupsTestServer::adminRequest(int operation, const QString &queue, const char *what)
{
    if (!isRunning())
        return fail(QStringLiteral("the scheduler is not running"));
    http_t *http = httpConnect2("127.0.0.1", m_port, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1,
                                30000, nullptr);
    if (!http)
        return fail(QStringLiteral("cannot connect to %1").arg(serverName()));
    const QByteArray uri = "ipp://localhost/printers/" + queue.toUtf8();
    ipp_t *request = ippNewRequest(ipp_op_t(operation));
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    if (operation == IPP_OP_CUPS_ADD_MODIFY_PRINTER) {
        // Operation attributes first: the scheduler refuses groups out of order.
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "ppd-name", nullptr, what);
        ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr,
                     "file:/dev/null");
        ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-error-policy", nullptr,
                     "abort-job");
        ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
        ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
    }
    ippDelete(cupsDoRequest(http, request, "/admin/"));
    const ipp_status_t status = cupsLastError();
    const QString message = QString::fromUtf8(cupsLastErrorString());
    httpClose(http);
    if (status > IPP_STATUS_OK_CONFLICTING) {
        // The scheduler writes its log a moment later.
        QThread::msleep(500);
        return fail(QStringLiteral("%1 on %2: %3\n%4")
                        .arg(QLatin1String(ippOpString(ipp_op_t(operation))), queue, message,
                             errorLines()));
    }
    return true;
}

bool CupsTestServer::addQueue(const QString &name, bool withMargins)
{
    return adminRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER, name,
                        withMargins ? "drv:///sample.drv/generic.ppd" : "raw");
}

bool CupsTestServer::deleteQueue(const QString &name)
{
    return adminRequest(IPP_OP_CUPS_DELETE_PRINTER, name, nullptr);
}

bool CupsTestServer::stopQueue(const QString &name)
{
    return adminRequest(IPP_OP_PAUSE_PRINTER, name, nullptr);
}

bool CupsTestServer::resumeQueue(const QString &name)
{
    return adminRequest(IPP_OP_RESUME_PRINTER, name, nullptr);
}

bool CupsTestServer::rejectJobs(const QString &name)
{
    return adminRequest(IPP_OP_CUPS_REJECT_JOBS, name, nullptr);
}

bool CupsTestServer::acceptJobs(const QString &name)
{
    return adminRequest(IPP_OP_CUPS_ACCEPT_JOBS, name, nullptr);
}

bool CupsTestServer::setDefault(const QString &name)
{
    return adminRequest(IPP_OP_CUPS_SET_DEFAULT, name, nullptr);
}

QList<CupsTestServer::Job> CupsTestServer::jobs(const QString &queue) const
{
    QList<Job> result;
    if (!isRunning())
        return result;
    http_t *http = httpConnect2("127.0.0.1", m_port, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1,
                                30000, nullptr);
    if (!http)
        return result;
    const QByteArray uri = "ipp://localhost/printers/" + queue.toUtf8();
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    static const char *const wanted[] = {"job-id", "job-state", "copies", "number-of-documents",
                                         "job-name"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(wanted)), nullptr, wanted);
    ipp_t *response = cupsDoRequest(http, request, "/");
    httpClose(http);
    if (!response)
        return result;

    Job job;
    const auto flush = [&] {
        if (job.id > 0)
            result.append(job);
        job = Job{};
    };
    for (ipp_attribute_t *attr = ippFirstAttribute(response); attr;
         attr = ippNextAttribute(response)) {
        const char *name = ippGetName(attr);
        if (!name) {
            flush();
            continue;
        }
        if (ippGetGroupTag(attr) != IPP_TAG_JOB)
            continue;
        const QByteArray key(name);
        if (key == "job-id")
            job.id = ippGetInteger(attr, 0);
        else if (key == "job-state")
            job.state = QLatin1String(jobStateName(ippGetInteger(attr, 0)));
        else if (key == "copies")
            job.copies = ippGetInteger(attr, 0);
        else if (key == "number-of-documents")
            job.documents = ippGetInteger(attr, 0);
        else if (key == "job-name")
            job.name = QString::fromUtf8(ippGetString(attr, 0, nullptr));
    }
    flush();
    ippDelete(response);
    std::sort(result.begin(), result.end(), [](const Job &a, const Job &b) { return a.id < b.id; });
    return result;
}

QString CupsTestServer::documentPath(int jobId, int document) const
{
    return QStringLiteral("%1/spool/d%2-%3")
        .arg(root())
        .arg(jobId, 5, 10, QLatin1Char('0'))
        .arg(document, 3, 10, QLatin1Char('0'));
}

QByteArray CupsTestServer::document(int jobId, int document) const
{
    QFile file(documentPath(jobId, document));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
