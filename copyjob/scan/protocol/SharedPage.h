// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDataStream>
#include <QImage>

#include <mutex>

// The shape of a page in shared memory, sent beside its descriptor.
struct PageHeader
{
    int width = 0, height = 0, format = 0;
    qint64 bytesPerLine = 0;
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
};

QDataStream &operator<<(QDataStream &out, const PageHeader &h);
QDataStream &operator>>(QDataStream &in, PageHeader &h);

// The page's memory in both processes. In the helper, a memfd mapped there
// and written in place by the assembler; once the helper has let go of its
// mapping it seals the memfd against shrinking, growing and writing, so a
// driver that kept a duplicate cannot pull the page from under Mirel. Mirel
// maps only a memfd that carries those seals, read-only.
class SharedPage
{
public:
    ~SharedPage();
    // Helper: a page of that shape in a fresh memfd, which this keeps until take().
    QImage allocate(int width, int height, QImage::Format format, qint64 bytesPerLine);
    // Helper: the memfd of the last page allocated, sealed and now the
    // caller's; -1 when there is none or it cannot be sealed (the page's
    // image must be released first: a writable mapping forbids the seal).
    int take();

    // Mirel: the page in fd, which stays the caller's, as a read-only image;
    // null unless fd is a sealed memfd that holds the whole page header describes.
    static QImage map(int fd, const PageHeader &header);
    static PageHeader headerOf(const QImage &page);

private:
    std::mutex m_lock; // allocate() runs on the reading thread
    int m_fd = -1;
};
