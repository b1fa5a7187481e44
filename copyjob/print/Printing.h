// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

class PageStack;
class QImage;
class QString;
class QWidget;

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
    // Prints the page as PrintCopies does, on the application's printer.
    virtual Outcome PrintPage(const QImage &page, int copies, int scale) = 0;
    // Prints the pages as PrintStackCopies does, on the application's printer.
    virtual Outcome PrintStack(const PageStack &stack, int copies, int scale) = 0;
};
