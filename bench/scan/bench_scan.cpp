// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the scan dialog coming up and a whole-bed colour page at 300 dpi
// arriving on the clipboard, driven like a user through the dialog. Peak
// memory is Mirel's and its scanner helper's together.

#include "bench/common/BenchStats.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes when the scan dialog is first shown.
class ShowWatch : public QObject
{
public:
    QElapsedTimer *clock = nullptr;
    qint64 shownAt = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && shownAt < 0 &&
            watched->objectName() == QLatin1String("ScanDialog"))
            shownAt = clock->nsecsElapsed();
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    SaneTestScanner scanner;
    SaneScannerLayer layer;
    if (const QString missing = SaneMissing(scanner, layer); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }
    QElapsedTimer clock;
    ShowWatch watch;
    watch.clock = &clock;
    app.installEventFilter(&watch);

    std::vector<double> openMs, scanMs, totalMs;
    const qint64 baseKiB = peakResidentKiB();
    QSize size;
    for (int i = 0; i < runs; ++i) {
        QGuiApplication::clipboard()->clear();
        watch.shownAt = -1;
        qint64 scanPressedAt = -1;
        // The dialog's own defaults: the whole bed, 300 dpi, colour.
        ScanDialogDriver driver;
        driver.then([&](QDialog *) { scanPressedAt = clock.nsecsElapsed(); }).pressEnter().start();
        clock.start();
        const bool acquired = !layer.TWAIN_AcquireToClipboard(nullptr, 0).isNull();
        const qint64 doneAt = clock.nsecsElapsed();
        if (!acquired || !driver.succeeded()) {
            std::fprintf(stderr, "run %d failed: %s\n", i, qPrintable(driver.failure()));
            return 1;
        }
        size = QGuiApplication::clipboard()->image().size();
        openMs.push_back(watch.shownAt / 1e6);
        scanMs.push_back((doneAt - scanPressedAt) / 1e6);
        totalMs.push_back(doneAt / 1e6);
    }
    const qint64 raw = qint64(size.width()) * size.height() * 3;
    std::printf("page %d x %d colour, raw %.1f MiB, %d runs\n", size.width(), size.height(),
                raw / 1048576.0, runs);
    std::printf("open scan dialog:        median %8.1f ms\n", median(openMs));
    std::printf("Scan pressed to page:    median %8.1f ms\n", median(scanMs));
    std::printf("whole acquisition:       median %8.1f ms\n", median(totalMs));
    // The page they share counts in both.
    const long helperKiB = peakResidentKiB(layer.session().helperProcessId());
    std::printf("peak RSS %.1f MiB, Mirel + helper VmHWM (of it helper %.1f; Mirel before the "
                "first scan %.1f MiB); bound raw x 2 + 80 = %.1f MiB\n",
                (peakResidentKiB() + helperKiB) / 1024.0, helperKiB / 1024.0, baseKiB / 1024.0,
                raw * 2 / 1048576.0 + 80);
    return 0;
}
