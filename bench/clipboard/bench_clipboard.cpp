// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on the clipboard costs nothing until someone pastes it; a paste
// encodes it in the type asked for. This times both for a 300 dpi colour
// page of SANE's whole test bed (200 x 200 mm, 2362 x 2362), in process,
// where the encoding is the whole cost: putting it there, and each type's
// encoding, median of the runs.
#include "bench/common/BenchStats.h"
#include "common/PageClipboard.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    // A scan-like page: smooth gradients with fine detail, not a flat fill.
    QImage page(2362, 2362, QImage::Format_RGB888);
    for (int y = 0; y < page.height(); ++y) {
        uchar *line = page.scanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            line[3 * x] = uchar(x / 10 + (x * y) % 7);
            line[3 * x + 1] = uchar(y / 10 + (x ^ y) % 5);
            line[3 * x + 2] = uchar((x + y) / 20);
        }
    }
    std::vector<double> put, png, bmp;
    qint64 pngBytes = 0, bmpBytes = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        PutPageOnClipboard(page);
        put.push_back(clock.nsecsElapsed() / 1e6);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        clock.restart();
        pngBytes = data->data(QStringLiteral("image/png")).size();
        png.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        bmpBytes = data->data(QStringLiteral("image/bmp")).size();
        bmp.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("page 2362 x 2362 colour, median of %d\n", runs);
    std::printf("  put on the clipboard : %8.2f ms\n", median(put));
    std::printf("  paste as image/png   : %8.1f ms  %lld bytes\n", median(png), pngBytes);
    std::printf("  paste as image/bmp   : %8.1f ms  %lld bytes\n", median(bmp), bmpBytes);
    return 0;
}
