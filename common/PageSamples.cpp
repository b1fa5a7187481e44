// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PageSamples.h"

#include <QImage>

#include <cstring>

PageSamples PageSamplesOf(const QImage &page)
{
    // Pages come from the scanner: white-and-black line art, 8- or 16-bit
    // grey, or colour.
    switch (page.format()) {
    case QImage::Format_Mono:
        return PageSamples::Bits;
    case QImage::Format_Grayscale8:
    case QImage::Format_Grayscale16:
        return PageSamples::Grey;
    default:
        return PageSamples::Rgb;
    }
}

void PageSampleRow(const QImage &page, PageSamples samples, int y, uchar *row)
{
    const int w = page.width();
    const uchar *src = page.constScanLine(y);
    if (samples == PageSamples::Bits) {
        std::memcpy(row, src, size_t((w + 7) / 8));
    } else if (page.format() == QImage::Format_Grayscale16) {
        const auto *wide = reinterpret_cast<const quint16 *>(src);
        for (int x = 0; x < w; ++x)
            row[x] = uchar((wide[x] * 255u + 32767u) / 65535u);
    } else if (samples == PageSamples::Grey || page.format() == QImage::Format_RGB888) {
        std::memcpy(row, src, size_t(w) * (samples == PageSamples::Grey ? 1 : 3));
    } else {
        const QImage line = page.copy(0, y, w, 1).convertToFormat(QImage::Format_RGB888);
        std::memcpy(row, line.constScanLine(0), size_t(w) * 3);
    }
}
