// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

class QIODevice;
class QSizeF;
struct CupsApi;
struct cups_dest_s;
struct _cups_dinfo_s;
struct _http_s;

// One print queue of the CUPS scheduler, looked up by name for one job.
// libcups does the talking, so the scheduler's answer to every step reaches
// the caller: a refusal is a failure in plain words, never a silent drop.
class CupsDestination
{
public:
    explicit CupsDestination(const QString &name);
    ~CupsDestination();
    CupsDestination(const CupsDestination &) = delete;
    CupsDestination &operator=(const CupsDestination &) = delete;

    // Reaches the scheduler and finds the queue. Fails when the scheduler
    // cannot be reached, the queue does not exist or it refuses new jobs.
    Outcome open();
    // Whether the queue takes a job of this many copies. Needs open().
    Outcome checkCopies(int copies);
    // Whether the queue lists this value of a job option among those it
    // supports ("sides", "two-sided-long-edge"). Needs open().
    bool supports(const char *option, const char *value);
    // The queue's media keyword for paper of this size in points. Needs open().
    QByteArray media(const QSizeF &points);
    // Sends the PDF that `write` makes as it goes, straight into the request,
    // as one job of one document on `media`, unscaled, asking for `copies`
    // copies, with the `extra` job options. Needs open(). A document that
    // could not be made whole cancels the job before anything is printed.
    // On success, the job made.
    using Options = QList<std::pair<QByteArray, QByteArray>>;
    using DocumentWriter = std::function<Outcome(QIODevice &out)>;
    PrintResult submitDocument(const DocumentWriter &write, const QString &title, int copies,
                               const QByteArray &media, const Options &extra = {});

private:
    QString describe(int status, const QString &detail) const;
    Outcome failLastError();
    PrintResult abandon(int jobId, const QString &why);

    QString m_name;
    const CupsApi *m_api = nullptr;
    _http_s *m_http = nullptr;
    cups_dest_s *m_dest = nullptr;
    _cups_dinfo_s *m_info = nullptr;
};
