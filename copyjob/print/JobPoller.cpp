// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/JobPoller.h"

#include "copyjob/print/CupsApi.h"

#include <chrono>

namespace {

QList<QByteArray> keywords(const CupsApi &api, ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = api.ippFindAttribute(response, name, IPP_TAG_ZERO);
    QList<QByteArray> words;
    const int count = attribute ? api.ippGetCount(attribute) : 0;
    for (int i = 0; i < count; ++i)
        words << QByteArray(api.ippGetString(attribute, i, nullptr));
    return words;
}

QString text(const CupsApi &api, ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = api.ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attribute ? QString::fromUtf8(api.ippGetString(attribute, 0, nullptr)) : QString();
}

int number(const CupsApi &api, ipp_t *response, const char *name)
{
    ipp_attribute_t *attribute = api.ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attribute ? api.ippGetInteger(attribute, 0) : 0;
}

// A request about one job, on behalf of the user who printed it.
ipp_t *jobRequest(const CupsApi &api, ipp_op_t operation, int id)
{
    ipp_t *request = api.ippNewRequest(operation);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    api.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    api.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                     api.cupsUser());
    return request;
}

} // namespace

JobPoller::JobPoller(const CupsApi &api, Deliver deliver, int intervalMs)
    : m_api(api), m_deliver(std::move(deliver)), m_interval(intervalMs)
{
    m_thread = std::thread([this] { run(); });
}

JobPoller::~JobPoller()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void JobPoller::follow(const PrintedJob &job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.append(job);
        m_fresh = true;
    }
    m_wake.notify_all();
}

void JobPoller::cancel(int id)
{
    {
        const std::lock_guard lock(m_mutex);
        m_cancels.append(id);
    }
    m_wake.notify_all();
}

void JobPoller::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        const QList<PrintedJob> jobs = m_jobs;
        const QList<int> cancels = std::exchange(m_cancels, {});
        m_fresh = false;
        lock.unlock();
        QList<int> ended;
        for (const PrintedJob &job : jobs) {
            _http_s *http = connection(job);
            if (cancels.contains(job.id))
                m_deliver(cancelJob(http, job));
            const JobReport report = ask(http, job);
            if (report.answered && (!report.known || report.state >= IPP_JSTATE_CANCELED))
                ended << job.id;
            m_deliver(report);
        }
        lock.lock();
        m_jobs.removeIf([&](const PrintedJob &job) { return ended.contains(job.id); });
        const auto woken = [this] { return m_stop || m_fresh || !m_cancels.isEmpty(); };
        if (m_jobs.isEmpty())
            m_wake.wait(lock, woken);
        else
            m_wake.wait_for(lock, std::chrono::milliseconds(m_interval), woken);
    }
    for (_http_s *http : std::as_const(m_connections))
        m_api.httpClose(http);
}

_http_s *JobPoller::connection(const PrintedJob &job)
{
    const QByteArray key = job.server + ':' + QByteArray::number(job.port);
    _http_s *&http = m_connections[key];
    if (!http) {
        http = m_api.httpConnect2(job.server.constData(), job.port, nullptr, AF_UNSPEC,
                                  http_encryption_t(job.encryption), 1, 3000, nullptr);
        // A scheduler that stops answering costs a round, never the window
        // or the program's end.
        if (http)
            m_api.httpSetTimeout(http, 3.0, nullptr, nullptr);
    }
    return http;
}

JobReport JobPoller::ask(_http_s *http, const PrintedJob &job)
{
    JobReport report;
    report.id = job.id;
    if (!http)
        return report;
    static const char *const wanted[] = {"job-state", "job-state-reasons",
                                         "job-impressions-completed", "job-printer-state-message",
                                         "job-printer-uri"};
    ipp_t *request = jobRequest(m_api, IPP_OP_GET_JOB_ATTRIBUTES, job.id);
    m_api.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        int(std::size(wanted)), nullptr, wanted);
    ipp_t *response = m_api.cupsDoRequest(http, request, "/");
    if (!response)
        return report;
    report.answered = true;
    report.known = m_api.cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND;
    report.state = number(m_api, response, "job-state");
    report.jobReasons = keywords(m_api, response, "job-state-reasons");
    report.impressions = number(m_api, response, "job-impressions-completed");
    report.jobMessage = text(m_api, response, "job-printer-state-message");
    const QByteArray printer = text(m_api, response, "job-printer-uri").toUtf8();
    m_api.ippDelete(response);
    if (!printer.isEmpty())
        askPrinter(http, printer, report);
    return report;
}

void JobPoller::askPrinter(_http_s *http, const QByteArray &uri, JobReport &report)
{
    static const char *const wanted[] = {"printer-state", "printer-state-reasons",
                                         "printer-state-message"};
    ipp_t *request = m_api.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    m_api.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                       uri.constData());
    m_api.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        int(std::size(wanted)), nullptr, wanted);
    ipp_t *response = m_api.cupsDoRequest(http, request, "/");
    if (!response)
        return;
    report.printerState = number(m_api, response, "printer-state");
    report.printerReasons = keywords(m_api, response, "printer-state-reasons");
    report.printerMessage = text(m_api, response, "printer-state-message");
    m_api.ippDelete(response);
}

JobReport JobPoller::cancelJob(_http_s *http, const PrintedJob &job)
{
    JobReport report;
    report.id = job.id;
    report.cancel = JobReport::Cancel::Refused;
    if (!http)
        return report;
    ipp_t *response =
        m_api.cupsDoRequest(http, jobRequest(m_api, IPP_OP_CANCEL_JOB, job.id), "/jobs/");
    if (response && m_api.cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        report.cancel = JobReport::Cancel::Taken;
    else
        report.cancelRefusal = QString::fromUtf8(m_api.cupsLastErrorString());
    m_api.ippDelete(response);
    return report;
}
