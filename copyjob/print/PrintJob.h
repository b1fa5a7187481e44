// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

class PageStack;
class QPrinter;

// Prints the scanned pages as one job of one document on `printer` (the
// application's), a page for each scanned page: each picture at intScale
// percent of its size at its own resolution (so at 100 % the copy has the
// original's size), from the top-left corner of the printable area. The
// printer is asked once for `copies` copies: one page is exactly the copy of
// a page from the glass; several pages come as collated sets (1 to n, 1 to
// n...), on both sides of the sheet when they are a duplex stack's and the
// queue can. The caller hands over the pages it scanned rather than the
// clipboard's, which another program may have replaced meanwhile. A printer
// set to print into a file gets the PDF there instead, replaced only by a
// whole new one. Every refusal comes back as a failure in plain words; the
// job made comes back beside the outcome, for its watcher.
PrintResult PrintCopies(const PageStack &stack, int copies, int intScale, QPrinter &printer);
