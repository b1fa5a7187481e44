// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// Page `index` of a stack as a scanner would give it: line art, grey and
// colour in turn, each page of another size and resolution, with something
// different in every pixel, so that pages swapped, cut or shifted show.
inline QImage stackPage(int index)
{
    static const int dpis[] = {72, 100, 150, 300};
    const int dpi = dpis[index % 4];
    const int width = 37 + 6 * index, height = 23 + 4 * index; // odd widths: part bytes
    QImage rgb(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rgb.setPixel(x, y, qRgb((x * 7 + index) & 0xff, (y * 11) & 0xff, ((x + y) * 5) & 0xff));
    QImage page;
    switch (index % 3) {
    case 0:
        page = QImage(width, height, QImage::Format_Mono); // as a scanner gives it: set is black
        page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        page.fill(0); // the last byte's spare bits too
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                page.setPixel(x, y, (x * 3 + y + index) % 5 < 2 ? 1 : 0);
        break;
    case 1:
        page = rgb.convertToFormat(QImage::Format_Grayscale8);
        break;
    default:
        page = rgb.convertToFormat(QImage::Format_RGB888);
    }
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    return page;
}
