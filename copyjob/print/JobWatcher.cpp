// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/JobWatcher.h"

#include "copyjob/print/CupsApi.h"
#include "copyjob/print/JobPoller.h"

namespace {

JobWatcher::Timing &currentTiming()
{
    static JobWatcher::Timing timing;
    return timing;
}

// A printer's conditions as CUPS and IPP name them: "media-empty" whatever
// the -report, -warning or -error after it.
QByteArray condition(const QByteArray &reason)
{
    for (const char *suffix : {"-report", "-warning", "-error"})
        if (reason.endsWith(suffix))
            return reason.chopped(qstrlen(suffix));
    return reason;
}

// What stops a copy until someone sees to the printer, and what to say.
struct Trouble
{
    QList<QByteArray> conditions;
    const char *words;
};
const Trouble kTroubles[] = {
    {{"media-empty", "media-needed"},
     QT_TRANSLATE_NOOP("JobWatcher", "%1 is out of paper. Load paper and the copy goes on.")},
    {{"media-jam"},
     QT_TRANSLATE_NOOP("JobWatcher", "Paper is jammed in %1. Clear the jam and the copy goes on.")},
    {{"cover-open", "door-open", "interlock-open"},
     QT_TRANSLATE_NOOP("JobWatcher", "A cover of %1 is open. Close it and the copy goes on.")},
    {{"marker-supply-empty", "toner-empty"},
     QT_TRANSLATE_NOOP("JobWatcher", "%1 is out of toner or ink.")},
};
const QList<QByteArray> kUnreachable{"offline", "connecting-to-device", "timed-out"};

// What CUPS's network backends say, in CUPS's English and in the user's
// language, when nothing answers at the printer's address: the queue then
// shows no reason at all.
bool saysUnavailable(const QString &message)
{
    static const char *const said[] = {"The printer may not exist or is unavailable at this time.",
                                       "The printer is unreachable at this time.",
                                       "The printer is not responding.",
                                       "The printer is not connected."};
    const CupsApi *api = CupsApi::get();
    for (const char *english : said)
        if (message == QLatin1String(english) ||
            (api && api->cupsLangString &&
             message == QString::fromUtf8(api->cupsLangString(api->cupsLangDefault(), english))))
            return true;
    return false;
}

PrintStatus problem(const QString &text)
{
    return {PrintStatus::Kind::Problem, text};
}

} // namespace

void JobWatcher::setTiming(const Timing &timing)
{
    currentTiming() = timing;
}

JobWatcher::Timing JobWatcher::timing()
{
    return currentTiming();
}

JobWatcher::JobWatcher()
{
    m_noticeTimer.setSingleShot(true);
    connect(&m_noticeTimer, &QTimer::timeout, this, [this] {
        m_notice = {};
        show();
    });
}

// The poller goes first: no answer arrives for a watcher that is gone.
JobWatcher::~JobWatcher()
{
    m_poller.reset();
}

void JobWatcher::setListener(Printing::StatusListener listener)
{
    m_listener = std::move(listener);
    if (m_listener)
        m_listener(m_status);
}

void JobWatcher::follow(const PrintedJob &job)
{
    const CupsApi *api = CupsApi::get();
    if (!api || job.id <= 0)
        return;
    if (!m_poller)
        m_poller = std::make_unique<JobPoller>(
            *api,
            [this](const JobReport &report) {
                QMetaObject::invokeMethod(
                    this, [this, report] { take(report); }, Qt::QueuedConnection);
            },
            timing().pollMs);
    Followed followed;
    followed.job = job;
    //: The copier panel's status band, one line of about 290 pixels at 8 pt (longer words
    //: end in "…" there and show whole as its tooltip). %1 is the printer's name.
    followed.said = {PrintStatus::Kind::Printing, tr("Printing on %1…").arg(job.destination)};
    followed.sinceProgress.start();
    m_jobs.append(followed);
    m_poller->follow(job);
    show();
}

void JobWatcher::cancelLatest()
{
    for (auto it = m_jobs.rbegin(); it != m_jobs.rend(); ++it) {
        if (it->cancelRequested)
            continue;
        it->cancelRequested = true;
        m_poller->cancel(it->job.id);
        show();
        return;
    }
}

void JobWatcher::dismiss()
{
    if (!m_notice.dismissable)
        return;
    m_notice = {};
    show();
}

void JobWatcher::take(const JobReport &report)
{
    const auto at = std::find_if(m_jobs.begin(), m_jobs.end(), [&](const Followed &followed) {
        return followed.job.id == report.id;
    });
    if (at == m_jobs.end())
        return;
    const qsizetype index = at - m_jobs.begin();
    const PrintStatus cancelled{PrintStatus::Kind::Ended, tr("The copy was cancelled.")};
    if (report.cancel == JobReport::Cancel::Taken)
        return end(index, cancelled);
    if (report.cancel == JobReport::Cancel::Refused) {
        at->cancelRequested = false;
        //: %1 is the printing system's reason, often in English.
        m_notice = problem(tr("The copy could not be cancelled: %1").arg(report.cancelRefusal));
        m_noticeTimer.start(timing().noticeMs);
        return show();
    }
    if (!report.answered) // a busy scheduler: what was said stands
        return;
    if (!report.known || report.state == IPP_JSTATE_COMPLETED)
        return end(index, {});
    if (report.state == IPP_JSTATE_CANCELED || report.state == IPP_JSTATE_ABORTED) {
        if (at->cancelRequested)
            return end(index, cancelled);
        const QString message =
            !report.jobMessage.isEmpty() ? report.jobMessage : report.printerMessage;
        PrintStatus notPrinted{PrintStatus::Kind::Ended,
                               message.isEmpty() ? tr("The copy was not printed.")
                                                 : tr("The copy was not printed: %1").arg(message)};
        notPrinted.dismissable = true;
        return end(index, notPrinted);
    }
    at->said = wordsFor(report, *at);
    show();
}

// The job is done with; its notice, if any, stays a while (cancelled) or
// until dismissed (not printed).
void JobWatcher::end(qsizetype index, const PrintStatus &notice)
{
    m_jobs.removeAt(index);
    if (notice.kind != PrintStatus::Kind::None) {
        m_notice = notice;
        if (notice.dismissable)
            m_noticeTimer.stop();
        else
            m_noticeTimer.start(timing().noticeMs);
    }
    show();
}

PrintStatus JobWatcher::wordsFor(const JobReport &report, Followed &followed) const
{
    const QString name = followed.job.destination;
    const std::pair progress{report.state, report.impressions};
    if (progress != followed.progress) {
        followed.progress = progress;
        followed.sinceProgress.restart();
    }
    if (report.state == IPP_JSTATE_HELD) {
        const auto held = [&](const char *reason) { return report.jobReasons.contains(reason); };
        if (held("cups-held-for-authentication") || held("auth-info-required"))
            return problem(tr("The copy is held by %1. It needs a user name and password to "
                              "print.")
                               .arg(name));
        if (held("job-hold-until-specified"))
            return problem(tr("The copy is held by %1. It prints once it is released or its "
                              "time comes.")
                               .arg(name));
        return problem(tr("The copy is held by %1. It prints once it is released.").arg(name));
    }
    QList<QByteArray> conditions;
    bool otherTrouble = report.printerState == IPP_PSTATE_STOPPED;
    for (const QByteArray &reason : report.printerReasons) {
        conditions << condition(reason);
        otherTrouble |= reason.endsWith("-warning") || reason.endsWith("-error");
    }
    if (report.printerState == IPP_PSTATE_STOPPED && conditions.contains("paused"))
        return problem(tr("%1 is paused; the copy waits in its queue.").arg(name));
    for (const Trouble &trouble : kTroubles)
        for (const QByteArray &kind : trouble.conditions)
            if (conditions.contains(kind))
                return problem(tr(trouble.words).arg(name));
    // Silence about a printer that is only slow: said once nothing moved a while.
    const bool stalled = followed.sinceProgress.elapsed() >= timing().stalledMs;
    const bool unreachable =
        std::any_of(kUnreachable.begin(), kUnreachable.end(),
                    [&](const QByteArray &c) { return conditions.contains(c); }) ||
        saysUnavailable(report.printerMessage);
    if (stalled && unreachable)
        return problem(tr("%1 cannot be reached. The copy waits in its queue.").arg(name));
    if (stalled && otherTrouble && !report.printerMessage.isEmpty())
        //: %1 is the printer's name, %2 the printer's own message.
        return problem(tr("%1: %2").arg(name, report.printerMessage));
    return {PrintStatus::Kind::Printing, tr("Printing on %1…").arg(name)};
}

void JobWatcher::show()
{
    // The latest copy that waits on a problem, else words that outlived
    // their copy, else the latest copy on its way.
    PrintStatus status;
    for (auto it = m_jobs.crbegin(); it != m_jobs.crend(); ++it)
        if (it->said.kind == PrintStatus::Kind::Problem) {
            status = it->said;
            break;
        }
    if (status.kind == PrintStatus::Kind::None)
        status = m_notice.kind != PrintStatus::Kind::None ? m_notice
                 : m_jobs.isEmpty()                       ? PrintStatus()
                                                          : m_jobs.last().said;
    status.cancellable = std::any_of(m_jobs.begin(), m_jobs.end(),
                                     [](const Followed &f) { return !f.cancelRequested; });
    status.dismissable = status.dismissable && !status.cancellable;
    if (status == m_status)
        return;
    m_status = status;
    if (m_listener)
        m_listener(m_status);
}
