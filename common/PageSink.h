// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QImage;

// Where the pages of one Copy go as the scanner sends them, one at a time, so
// that a stack from a document feeder is never held in memory all at once.
class PageSink
{
public:
    virtual ~PageSink() = default;
    // Keeps the page (front, then back, for a duplex sheet). False when it
    // could not be kept, a full disk say, with the words in `error`: the
    // scan stops and nothing half-made is printed or saved.
    virtual bool takePage(const QImage &page, QString *error) = 0;
};

// What an acquisition into a PageSink brought: how many pages went into it,
// and whether they are the two sides of each sheet.
struct StackResult
{
    int pages = 0;
    bool duplex = false;
};
