// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

#include <QByteArray>
#include <QString>

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

// What a copy asks of printing: the printer dialog on the application's
// printer, and the print job. Qt's printing support and libcups stay behind
// it, so that the program can load them only when a copy first prints.
class Printing
{
public:
    virtual ~Printing() = default;

    // The printer dialog, titled `title`, its copies field preset; the printer
    // chosen there becomes the application's printer. False when cancelled.
    virtual bool ChoosePrinter(const QString &title, int copies, QWidget *parent) = 0;
    // Prints the pages as PrintCopies does, on the application's printer.
    virtual PrintResult PrintStack(const PageStack &stack, int copies, int scale) = 0;
};
