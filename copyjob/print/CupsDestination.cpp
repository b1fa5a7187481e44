// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/CupsDestination.h"

#include "copyjob/print/CupsApi.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSizeF>

namespace {

bool refused(ipp_status_t status)
{
    return status >= IPP_STATUS_REDIRECTION_OTHER_SITE;
}

QString noScheduler()
{
    return QCoreApplication::translate("Printing",
                                       "The printing system (CUPS) cannot be reached, so nothing "
                                       "was printed. Check that the CUPS service is running.");
}

} // namespace

CupsDestination::CupsDestination(const QString &name) : m_name(name) {}

CupsDestination::~CupsDestination()
{
    if (!m_api)
        return;
    if (m_info)
        m_api->cupsFreeDestInfo(m_info);
    if (m_dest)
        m_api->cupsFreeDests(1, m_dest);
    if (m_http)
        m_api->httpClose(m_http);
}

QString CupsDestination::describe(int status, const QString &detail) const
{
    switch (status) {
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return noScheduler();
    case IPP_STATUS_ERROR_NOT_FOUND:
        //: %1 is the printer's name.
        return QCoreApplication::translate("Printing",
                                           "The printer \"%1\" does not exist, so nothing was "
                                           "printed. Choose another printer.")
            .arg(m_name);
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QCoreApplication::translate(
                   "Printing", "The printer \"%1\" is not accepting jobs, so nothing was printed.")
            .arg(m_name);
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return QCoreApplication::translate(
                   "Printing", "You are not allowed to print on \"%1\", so nothing was printed.")
            .arg(m_name);
    default:
        //: %2 is the printing system's own reason, often in English.
        return QCoreApplication::translate(
                   "Printing", "The printer \"%1\" refused the copy (%2), so nothing was printed.")
            .arg(m_name, detail);
    }
}

Outcome CupsDestination::failLastError()
{
    const ipp_status_t status = m_api->cupsLastError();
    return Outcome::failure(describe(status, QString::fromUtf8(m_api->cupsLastErrorString())),
                            status == IPP_STATUS_ERROR_NOT_FOUND ? Outcome::Code::NoPrinter
                                                                 : Outcome::Code::None);
}

Outcome CupsDestination::open()
{
    m_api = CupsApi::get();
    if (!m_api)
        return Outcome::failure(QCoreApplication::translate(
            "Printing", "The printing system's library (libcups) is missing, so "
                        "nothing was printed. Install the package libcups2."));
    // One connection of our own, so a scheduler that is not there is told
    // apart from a queue that is not there.
    m_http = m_api->httpConnect2(m_api->cupsServer(), m_api->ippPort(), nullptr, AF_UNSPEC,
                                 m_api->cupsEncryption(), 1, 30000, nullptr);
    if (!m_http)
        return Outcome::failure(noScheduler());

    const QByteArray name = m_name.toUtf8();
    m_dest = m_api->cupsGetNamedDest(m_http, name.constData(), nullptr);
    if (!m_dest)
        return failLastError();
    m_info = m_api->cupsCopyDestInfo(m_http, m_dest);
    if (!m_info)
        return failLastError();

    const char *accepting =
        m_api->cupsGetOption("printer-is-accepting-jobs", m_dest->num_options, m_dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return Outcome::failure(describe(IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, {}));
    return Outcome::success();
}

Outcome CupsDestination::checkCopies(int copies)
{
    const QByteArray value = QByteArray::number(copies);
    if (!m_api->cupsCheckDestSupported(m_http, m_dest, m_info, CUPS_COPIES, value.constData()))
        return Outcome::failure(
            QCoreApplication::translate(
                "Printing", "The printer \"%1\" cannot make %n copies, so nothing was printed.",
                nullptr, copies)
                .arg(m_name));
    return Outcome::success();
}

bool CupsDestination::supports(const char *option, const char *value)
{
    return m_api->cupsCheckDestSupported(m_http, m_dest, m_info, option, value) != 0;
}

QByteArray CupsDestination::media(const QSizeF &points)
{
    // The queue's own name for the paper, so its filters and the printer
    // take the very sheet the page was laid out on.
    const int width = qRound(points.width() * 2540 / 72);
    const int length = qRound(points.height() * 2540 / 72);
    cups_size_t size{};
    if (m_api->cupsGetDestMediaBySize(m_http, m_dest, m_info, width, length,
                                      CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return QByteArray(size.media);
    return "custom_copy_" + QByteArray::number(width / 100.0, 'f', 2) + 'x' +
           QByteArray::number(length / 100.0, 'f', 2) + "mm";
}

namespace {

// The document's bytes straight into the request that carries it to the
// scheduler. The first refusal is kept, with the scheduler's words.
class RequestBody : public QIODevice
{
public:
    RequestBody(const CupsApi &api, http_t *http) : m_api(api), m_http(http)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool refused = false;
    ipp_status_t status = IPP_STATUS_OK;
    QString detail;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (refused)
            return -1;
        if (size > 0 &&
            m_api.cupsWriteRequestData(m_http, data, size_t(size)) != HTTP_STATUS_CONTINUE) {
            refused = true;
            status = m_api.cupsLastError();
            detail = QString::fromUtf8(m_api.cupsLastErrorString());
            return -1;
        }
        return size;
    }

private:
    const CupsApi &m_api;
    http_t *m_http;
};

} // namespace

PrintResult CupsDestination::abandon(int jobId, const QString &why)
{
    m_api->cupsCancelDestJob(m_http, m_dest, jobId);
    return {Outcome::failure(why), {}};
}

PrintResult CupsDestination::submitDocument(const DocumentWriter &write, const QString &title,
                                            int copies, const QByteArray &media,
                                            const Options &extra)
{
    // The copy count goes once, with the one document: the printer, or CUPS
    // for a printer that cannot, makes the copies. CUPS's default scaling
    // ("auto") shrinks a page that does not match the queue's paper and
    // centres one that is not scaled; "none" with the page's own media keeps
    // the copy where and as large as it was drawn. fit-to-page is what older
    // filters read.
    cups_option_t *options = nullptr;
    int optionCount =
        m_api->cupsAddOption(CUPS_COPIES, QByteArray::number(copies).constData(), 0, &options);
    optionCount = m_api->cupsAddOption(CUPS_MEDIA, media.constData(), optionCount, &options);
    optionCount = m_api->cupsAddOption("print-scaling", "none", optionCount, &options);
    optionCount = m_api->cupsAddOption("fit-to-page", "false", optionCount, &options);
    for (const auto &[name, value] : extra)
        optionCount =
            m_api->cupsAddOption(name.constData(), value.constData(), optionCount, &options);

    int jobId = 0;
    const QByteArray jobTitle = title.toUtf8();
    const ipp_status_t created = m_api->cupsCreateDestJob(
        m_http, m_dest, m_info, &jobId, jobTitle.constData(), optionCount, options);
    m_api->cupsFreeOptions(optionCount, options);
    if (refused(created) || jobId <= 0)
        return {failLastError(), {}};

    // From here on a job exists: if the document does not arrive whole, the
    // job goes, so half a page is never printed.
    const auto lastError = [this] {
        return describe(m_api->cupsLastError(), QString::fromUtf8(m_api->cupsLastErrorString()));
    };
    if (m_api->cupsStartDestDocument(m_http, m_dest, m_info, jobId, jobTitle.constData(),
                                     CUPS_FORMAT_PDF, 0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        return abandon(jobId, lastError());

    RequestBody body(*m_api, m_http);
    if (const Outcome written = write(body); !written.ok) {
        m_api->cupsFinishDestDocument(m_http, m_dest, m_info);
        if (body.refused)
            return abandon(jobId, describe(body.status, body.detail));
        return abandon(jobId, written.message.isEmpty()
                                  ? QCoreApplication::translate(
                                        "Printing", "The pages could not be made ready for "
                                                    "printing, so nothing was printed.")
                                  : written.message);
    }
    if (refused(m_api->cupsFinishDestDocument(m_http, m_dest, m_info)))
        return abandon(jobId, lastError());
    // Whatever the queue does with it now (a paused queue holds it) is for
    // the job's watcher to say.
    return {Outcome::success(),
            {m_name, jobId, QByteArray(m_api->cupsServer()), m_api->ippPort(),
             int(m_api->cupsEncryption())}};
}
