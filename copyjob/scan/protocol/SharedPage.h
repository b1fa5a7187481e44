// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

#include <mutex>

// The page's memory in the helper: a memfd mapped here and written in place
// by the assembler, then handed to Mirel, which maps the same pages.
class SharedPage
{
public:
    ~SharedPage();
    // A page of that shape in a fresh memfd, which this keeps until take().
    QImage allocate(int width, int height, QImage::Format format, qint64 bytesPerLine);
    // The memfd of the last page allocated, now the caller's; -1 when none.
    int take();

private:
    std::mutex m_lock; // allocate() runs on the reading thread
    int m_fd = -1;
};
