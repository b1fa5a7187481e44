// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/stack/PageStack.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

#include <memory>
#include <random>

// What the print and copy suites make and read back: pictures as a scanner
// gives them, stacks of them, and where a PDF places them.

// A picture of this size and resolution in one of the forms a scanner's page
// takes (line art: a set bit black), with something different in every
// pixel, so that pages swapped, cut or shifted show. `seed` varies it.
inline QImage scannedPicture(QSize size, int dpi, QImage::Format format, int seed = 0)
{
    QImage rgb(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(rgb.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x * 7 + seed) & 0xff, (y * 11) & 0xff, ((x + y) * 5) & 0xff);
    }
    QImage page;
    if (format == QImage::Format_Mono) {
        page = QImage(size, QImage::Format_Mono);
        page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        page.fill(0); // the last byte's spare bits too
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                page.setPixel(x, y, (x * 3 + y + seed) % 5 < 2 ? 1 : 0);
    } else {
        page = rgb.convertToFormat(format);
    }
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    return page;
}

// Colour noise, which deflate cannot shrink: its size in a PDF or a spool is
// known.
inline QImage noisePicture(QSize size)
{
    QImage page(size, QImage::Format_RGB888);
    std::minstd_rand random(size.width());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < page.bytesPerLine(); ++x)
            page.scanLine(y)[x] = uchar(random() >> 7);
    return page;
}

// Page `index` of a stack: line art, grey and colour in turn, each page of
// another size (odd widths: part bytes) and resolution.
inline QImage stackPage(int index)
{
    static const int dpis[] = {72, 100, 150, 300};
    static const QImage::Format formats[] = {QImage::Format_Mono, QImage::Format_Grayscale8,
                                             QImage::Format_RGB888};
    return scannedPicture({37 + 6 * index, 23 + 4 * index}, dpis[index % 4], formats[index % 3],
                          index);
}

// A stack of these pages, or of the pictures given.
inline std::unique_ptr<PageStack> stackOf(const QList<QImage> &pages, bool duplex = false)
{
    auto stack = std::make_unique<PageStack>();
    stack->setDuplex(duplex);
    for (const QImage &page : pages)
        if (const Outcome kept = stack->takePage(page); !kept.ok)
            qWarning("page not taken: %s", qPrintable(kept.message));
    return stack;
}
inline std::unique_ptr<PageStack> stackOf(int count, bool duplex = false)
{
    QList<QImage> pages;
    for (int i = 0; i < count; ++i)
        pages << stackPage(i);
    return stackOf(pages, duplex);
}

// Each page of a PDF file as "paper: picture at corner": the paper's size and
// the box its picture is drawn into, in points from the paper's top-left
// corner, as read from the content streams, in page order.
inline QStringList pdfPlacements(const QString &path)
{
    QFile file(path);
    const QByteArray pdf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QStringList pages;
    auto boxes = QRegularExpression("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]").globalMatch(pdf);
    auto draws = QRegularExpression("stream\\nq\\n([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) "
                                    "([-\\d.]+) cm")
                     .globalMatch(pdf);
    while (boxes.hasNext() && draws.hasNext()) {
        const auto box = boxes.next(), draw = draws.next();
        const double w = draw.captured(1).toDouble(), h = draw.captured(2).toDouble();
        pages << QString::asprintf("%.3f x %.3f: %.3f x %.3f at %.3f, %.3f",
                                   box.captured(1).toDouble(), box.captured(2).toDouble(), w, h,
                                   draw.captured(3).toDouble(),
                                   box.captured(2).toDouble() - draw.captured(4).toDouble() - h);
    }
    return pages;
}

// What pdfPlacements() reads for these pictures on paper of `paper` points
// with `margin` points all round, at scale percent.
inline QStringList placedAt(const QList<QImage> &pictures, QSizeF paper, double margin, int scale)
{
    QStringList pages;
    for (const QImage &picture : pictures) {
        const double points = 72.0 / qRound(picture.dotsPerMeterX() * 0.0254);
        pages << QString::asprintf("%.3f x %.3f: %.3f x %.3f at %.3f, %.3f", paper.width(),
                                   paper.height(), scale / 100.0 * picture.width() * points,
                                   scale / 100.0 * picture.height() * points, margin, margin);
    }
    return pages;
}
