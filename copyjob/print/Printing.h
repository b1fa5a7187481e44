// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

#include <QByteArray>
#include <QString>

#include <functional>

class PageStack;
class QWidget;

// A job the scheduler took: its queue, its number there, and the scheduler
// that holds it. No job (id 0) for a copy printed into a file or not printed.
struct PrintedJob
{
    QString destination;
    int id = 0;
    QByteArray server; // host, or the path of a local socket
    int port = 0;
    int encryption = 0; // http_encryption_t
};

// What the print route did: the outcome, and the job it made.
struct PrintResult
{
    Outcome outcome;
    PrintedJob job;
};

// What the panel says of the copies with the printer, in the user's words.
struct PrintStatus
{
    enum class Kind {
        None,     // nothing with the printer: the panel shows nothing
        Printing, // a copy is on its way, nothing wrong
        Problem,  // a copy waits for something the user can see to
        Ended,    // the latest copy was cancelled or not printed
    };
    Kind kind = Kind::None;
    QString text;
    // A copy is with the printer and Cancel can take it back.
    bool cancellable = false;
    // The words stay until the user dismisses them or starts another copy.
    bool dismissable = false;

    bool operator==(const PrintStatus &) const = default;
};

// What a copy asks of printing: the printer dialog on the application's
// printer, the print job, and the job followed until it is printed. Qt's
// printing support and libcups stay behind it, so that the program can load
// them only when a copy first prints.
class Printing
{
public:
    virtual ~Printing() = default;

    // The printer dialog, titled `title`, its copies field preset; the printer
    // chosen there becomes the application's printer. False when cancelled.
    virtual bool ChoosePrinter(const QString &title, int copies, QWidget *parent) = 0;
    // Prints the pages as PrintCopies does, on the application's printer.
    virtual PrintResult PrintStack(const PageStack &stack, int copies, int scale) = 0;

    // Follows a job the print route made until it is printed, cancelled or
    // aborted, without ever blocking the caller; Exit leaves it to the
    // scheduler. What there is to say goes to the listener, on the caller's
    // thread, whenever it changes.
    virtual void followJob(const PrintedJob &job) = 0;
    // Cancels the latest copy still with the printer at its scheduler.
    virtual void cancelLatestJob() = 0;
    // Takes away words that stay until dismissed.
    virtual void dismissNotice() = 0;
    using StatusListener = std::function<void(const PrintStatus &)>;
    virtual void setStatusListener(StatusListener listener) = 0;
};
