// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PageSamples.h"

#include <QImage>

#include <cstring>

PageSamples PageSamplesOf(const QImage &page)
{
    switch (page.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: {
        // QImage::isGrayscale() says no to every 1-bit picture.
        const QList<QRgb> table = page.colorTable();
        const bool grey = table.size() == 2 && qIsGray(table[0]) && qIsGray(table[1]);
        return grey ? PageSamples::Bits : PageSamples::Rgb;
    }
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return PageSamples::Grey;
    case QImage::Format_Indexed8:
        return page.isGrayscale() ? PageSamples::Grey : PageSamples::Rgb;
    default:
        return PageSamples::Rgb;
    }
}

void PageSampleRow(const QImage &page, PageSamples samples, int y, uchar *row)
{
    const int w = page.width();
    const uchar *src = page.constScanLine(y);
    switch (samples) {
    case PageSamples::Bits:
        if (page.format() == QImage::Format_Mono) {
            std::memcpy(row, src, size_t((w + 7) / 8));
        } else {
            std::memset(row, 0, size_t((w + 7) / 8));
            for (int x = 0; x < w; ++x)
                if (src[x >> 3] & (1 << (x & 7)))
                    row[x >> 3] = uchar(row[x >> 3] | (0x80 >> (x & 7)));
        }
        return;
    case PageSamples::Grey:
        if (page.format() == QImage::Format_Grayscale8) {
            std::memcpy(row, src, size_t(w));
        } else if (page.format() == QImage::Format_Grayscale16) {
            const auto *wide = reinterpret_cast<const quint16 *>(src);
            for (int x = 0; x < w; ++x)
                row[x] = uchar((wide[x] * 255u + 32767u) / 65535u);
        } else {
            const QList<QRgb> table = page.colorTable();
            for (int x = 0; x < w; ++x)
                row[x] = uchar(src[x] < table.size() ? qGray(table[src[x]]) : 0);
        }
        return;
    case PageSamples::Rgb:
        if (page.format() == QImage::Format_RGB888) {
            std::memcpy(row, src, size_t(w) * 3);
        } else if (page.format() == QImage::Format_RGB32) {
            // The common case after a conversion; read in place.
            const auto *rgb = reinterpret_cast<const QRgb *>(src);
            for (int x = 0; x < w; ++x) {
                row[3 * x] = uchar(qRed(rgb[x]));
                row[3 * x + 1] = uchar(qGreen(rgb[x]));
                row[3 * x + 2] = uchar(qBlue(rgb[x]));
            }
        } else if (!page.hasAlphaChannel()) {
            const QImage line = page.copy(0, y, w, 1).convertToFormat(QImage::Format_RGB888);
            std::memcpy(row, line.constScanLine(0), size_t(w) * 3);
        } else {
            // Paper is white: what shows through a transparent pixel.
            const QImage line =
                page.copy(0, y, w, 1).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const auto *argb = reinterpret_cast<const QRgb *>(line.constScanLine(0));
            for (int x = 0; x < w; ++x) {
                const int paper = 255 - qAlpha(argb[x]);
                row[3 * x] = uchar(qRed(argb[x]) + paper);
                row[3 * x + 1] = uchar(qGreen(argb[x]) + paper);
                row[3 * x + 2] = uchar(qBlue(argb[x]) + paper);
            }
        }
        return;
    }
}
