// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/pdf/PdfWriting.h"

#include <QtGlobal>

class ApplicationPrinter;
class PageStack;
class QImage;
class QIODevice;
class QPageLayout;
class QSizeF;

// Prints the scanned page as one document of one page on the application's
// current printer: the picture at intScale percent from the top-left corner of
// the printable area, with the printer asked for `copies` copies. The caller
// hands over the page it scanned rather than the clipboard's, which another
// program may have replaced meanwhile. The page is drawn at the picture's own resolution, so at
// 100 % the copy has the original's size. A printer set to print into a file
// gets the PDF there instead. Every refusal comes back as a failure in plain
// words; a paused printer takes the job, and the success says it waits.
Outcome PrintCopies(const QImage &picture, int copies, int intScale, ApplicationPrinter &printer);

// Prints the stack as one job of one document, a page for each scanned page,
// each placed as PrintCopies places its one; the printer makes `copies`
// collated sets of the document (1 to n, 1 to n...), never sent twice, on
// both sides of the sheet when the pages are a duplex stack's and the queue
// can. Same refusals and words as PrintCopies; a one-page stack is exactly
// PrintCopies' job.
Outcome PrintStackCopies(const PageStack &stack, int copies, int intScale,
                         ApplicationPrinter &printer);
