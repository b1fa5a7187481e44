// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/CupsDestination.h"

#include <QIODevice>

#include <cups/cups.h>

namespace {

// The scheduler takes the document in pieces; this size keeps memory flat
// whatever the size of the page.
constexpr qint64 kChunk = 256 * 1024;

bool refused(ipp_status_t status)
{
    return status >= IPP_STATUS_REDIRECTION_OTHER_SITE;
}

QString noScheduler()
{
    return QStringLiteral("The printing system (CUPS) cannot be reached, so nothing was printed. "
                          "Check that the CUPS service is running.");
}

} // namespace

CupsDestination::CupsDestination(const QString &name) : m_name(name) {}

CupsDestination::~CupsDestination()
{
    if (m_info)
        cupsFreeDestInfo(m_info);
    if (m_dest)
        cupsFreeDests(1, m_dest);
    if (m_http)
        httpClose(m_http);
}

QString CupsDestination::describe(int status, const QString &detail) const
{
    switch (status) {
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return noScheduler();
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("The printer \"%1\" does not exist, so nothing was printed. "
                              "Choose another printer.")
            .arg(m_name);
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("The printer \"%1\" is not accepting jobs, so nothing was printed.")
            .arg(m_name);
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return QStringLiteral("You are not allowed to print on \"%1\", so nothing was printed.")
            .arg(m_name);
    default:
        return QStringLiteral("The printer \"%1\" refused the copy (%2), so nothing was printed.")
            .arg(m_name, detail);
    }
}

Outcome CupsDestination::failLastError()
{
    return Outcome::failure(describe(cupsLastError(), QString::fromUtf8(cupsLastErrorString())));
}

Outcome CupsDestination::open()
{
    // One connection of our own, so a scheduler that is not there is told
    // apart from a queue that is not there.
    m_http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000,
                          nullptr);
    if (!m_http)
        return Outcome::failure(noScheduler());

    const QByteArray name = m_name.toUtf8();
    m_dest = cupsGetNamedDest(m_http, name.constData(), nullptr);
    if (!m_dest)
        return failLastError();
    m_info = cupsCopyDestInfo(m_http, m_dest);
    if (!m_info)
        return failLastError();

    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", m_dest->num_options, m_dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return Outcome::failure(describe(IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, {}));
    return Outcome::success();
}

Outcome CupsDestination::checkCopies(int copies)
{
    const QByteArray value = QByteArray::number(copies);
    if (!cupsCheckDestSupported(m_http, m_dest, m_info, CUPS_COPIES, value.constData()))
        return Outcome::failure(
            QStringLiteral("The printer \"%1\" cannot make %2 copies, so nothing was printed.")
                .arg(m_name)
                .arg(copies));
    return Outcome::success();
}

Outcome CupsDestination::submitPdf(QIODevice &pdf, const QString &title, int copies)
{
    cups_option_t *options = nullptr;
    const int optionCount =
        cupsAddOption(CUPS_COPIES, QByteArray::number(copies).constData(), 0, &options);

    int jobId = 0;
    const QByteArray jobTitle = title.toUtf8();
    const ipp_status_t created = cupsCreateDestJob(m_http, m_dest, m_info, &jobId,
                                                   jobTitle.constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (refused(created) || jobId <= 0)
        return failLastError();

    // From here on a job exists: if the document does not arrive whole, the
    // job goes, so half a page is never printed.
    const auto abandon = [&](const QString &why) {
        cupsCancelDestJob(m_http, m_dest, jobId);
        return Outcome::failure(why);
    };

    if (cupsStartDestDocument(m_http, m_dest, m_info, jobId, jobTitle.constData(), CUPS_FORMAT_PDF,
                              0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        return abandon(describe(cupsLastError(), QString::fromUtf8(cupsLastErrorString())));

    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = pdf.read(buffer.data(), kChunk);
        if (got < 0) {
            cupsFinishDestDocument(m_http, m_dest, m_info);
            return abandon(
                QStringLiteral("The page could not be read back for printing (%1), so nothing "
                               "was printed.")
                    .arg(pdf.errorString()));
        }
        if (got == 0)
            break;
        if (cupsWriteRequestData(m_http, buffer.constData(), size_t(got)) != HTTP_STATUS_CONTINUE) {
            const ipp_status_t status = cupsLastError();
            const QString detail = QString::fromUtf8(cupsLastErrorString());
            cupsFinishDestDocument(m_http, m_dest, m_info);
            return abandon(describe(status, detail));
        }
    }
    if (refused(cupsFinishDestDocument(m_http, m_dest, m_info)))
        return abandon(describe(cupsLastError(), QString::fromUtf8(cupsLastErrorString())));

    const char *state = cupsGetOption("printer-state", m_dest->num_options, m_dest->options);
    if (state && qstrcmp(state, "5") == 0)
        return Outcome::success(
            QStringLiteral("%1 is paused; the copy waits in its queue.").arg(m_name));
    return Outcome::success();
}
