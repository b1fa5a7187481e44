// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

class QImage;

// Where the pages of one Copy go as the scanner sends them, one at a time, so
// that a stack from a document feeder is never held in memory all at once.
class PageSink
{
public:
    virtual ~PageSink() = default;
    // Keeps the page (front, then back, for a duplex sheet). A failure, a
    // full disk say, stops the scan, and nothing half-made is printed or
    // saved: the sink keeps why, for the caller to say.
    virtual Outcome takePage(const QImage &page) = 0;
};

// What an acquisition into a PageSink brought: how many pages went into it,
// and whether they are the two sides of each sheet. No page is a failure:
// Cancelled when the user stopped the scan or no page came, or the sink's
// own refusal.
struct StackResult
{
    Outcome outcome = Outcome::failure({}, Outcome::Code::Cancelled);
    int pages = 0;
    bool duplex = false;

    static StackResult of(int pages, bool duplex) { return {Outcome::success(), pages, duplex}; }
};
