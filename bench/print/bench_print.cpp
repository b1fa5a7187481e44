// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times PrintCopies from the call to the job spooled in a private scheduler,
// and reads the process's peak resident memory, for an A4 colour page at 300
// and 600 dpi; then a stack of such pages at 300 dpi, from the last page's
// arrival in the stack to the job spooled, against the single page. Every run
// is a fresh process, so each peak is that run's own; the figures are medians.
//
//     bench_print [runs] [pages]  (default 5 runs per row, a stack of 10 pages)
#include "bench/common/BenchStats.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "copyjob/stack/PageStack.h"
#include "harness/CupsTestServer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

const QString kQueue = QStringLiteral("bench");

// A scanned colour page: paper tint, a few coloured blocks, sensor noise.
QImage scannedA4(int dpi)
{
    const int width = qRound(210 / 25.4 * dpi);
    const int height = qRound(297 / 25.4 * dpi);
    QImage page(width, height, QImage::Format_RGB32);
    QRandomGenerator random(dpi);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        const bool block = (y / (height / 12)) % 3 == 1;
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(9u)) - 4;
            const bool inBlock = block && x > width / 8 && x < width * 7 / 8;
            const int r = (inBlock ? 190 : 248) + noise;
            const int g = (inBlock ? 40 : 244) + noise;
            const int b = (inBlock ? 80 : 232) + noise;
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    const int dotsPerMeter = qRound(dpi / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

// What a run prints: "<ms> <peak before kB> <peak after kB>", or why it failed.
int report(const Outcome &outcome, qint64 ns, long before)
{
    if (!outcome.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
        return 1;
    }
    std::printf("%.1f %ld %ld\n", ns / 1e6, before, peakResidentKiB());
    return 0;
}

// One run in this process: "<ms> <peak before kB> <peak after kB>".
int runOnce(int argc, char **argv, int dpi)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::clipboard()->setImage(scannedA4(dpi));
    ApplicationPrinter printer;
    printer.printer().setPrinterName(kQueue);
    if (printer.printer().printerName() != kQueue) {
        std::fprintf(stderr, "queue %s unknown\n", qPrintable(kQueue));
        return 1;
    }
    const long before = peakResidentKiB();
    QElapsedTimer timer;
    timer.start();
    PageStack stack;
    Outcome outcome = stack.takePage(QGuiApplication::clipboard()->image());
    if (outcome.ok)
        outcome = PrintCopies(stack, 1, 100, printer.printer()).outcome;
    return report(outcome, timer.nsecsElapsed(), before);
}

// One stack in this process, each page made as the scanner would hand it
// over and dropped once taken: "<ms from the last page taken to spooled>
// <peak before kB> <peak after kB>".
int runStack(int argc, char **argv, int pages)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ApplicationPrinter printer;
    printer.printer().setPrinterName(kQueue);
    const long before = peakResidentKiB();
    PageStack stack;
    QElapsedTimer timer;
    for (int i = 0; i < pages; ++i) {
        const QImage page = scannedA4(300);
        timer.start();
        if (const Outcome kept = stack.takePage(page); !kept.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(kept.message));
            return 1;
        }
    }
    const Outcome outcome = PrintCopies(stack, 1, 100, printer.printer()).outcome;
    return report(outcome, timer.nsecsElapsed(), before);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--one") == 0)
        return runOnce(argc, argv, atoi(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--stack") == 0)
        return runStack(argc, argv, atoi(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const int pages = argc > 2 ? qMax(2, atoi(argv[2])) : 10;
    CupsTestServer cups;
    // A raw queue: the scheduler sends the file on as it is, so no filter
    // competes with the next run for the processor.
    if (!cups.start() || !cups.addQueue(kQueue, false)) {
        std::fprintf(stderr, "no scheduler: %s\n", qPrintable(cups.lastError()));
        return 1;
    }

    std::printf("A4 colour page, 100 %%, 1 copy, %d runs each, fresh process per run\n", runs);
    std::printf("%-8s %14s %22s %20s %12s\n", "dpi", "spooled (ms)", "peak before print (MB)",
                "peak after (MB)", "PDF (MB)");
    double single = 0;
    // The single page at both resolutions, then the stack (0 dpi: a row of
    // its own) at 300.
    for (const int dpi : {300, 600, 0}) {
        if (dpi == 0)
            std::printf("\nA stack of %d such pages at 300 dpi, from the last page's arrival\n"
                        "%-8s %14s %22s %20s %12s %8s\n",
                        pages, "pages", "spooled (ms)", "peak before print (MB)", "peak after (MB)",
                        "PDF (MB)", "x 1 page");
        QList<double> times;
        QList<double> before;
        QList<double> after;
        QList<double> sizes;
        for (int run = 0; run < runs; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(),
                        dpi ? QStringList{QStringLiteral("--one"), QString::number(dpi)}
                            : QStringList{QStringLiteral("--stack"), QString::number(pages)});
            if (!child.waitForFinished(600000) || child.exitCode() != 0) {
                std::fprintf(stderr, "run failed at %d dpi\n", dpi);
                return 1;
            }
            const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
            if (fields.size() != 3)
                return 1;
            times.append(fields[0].toDouble());
            before.append(fields[1].toDouble() / 1024);
            after.append(fields[2].toDouble() / 1024);
            // The spool keeps every document; drop each once measured.
            const auto jobs = cups.jobs(kQueue);
            if (!jobs.isEmpty()) {
                sizes.append(QFile(cups.documentPath(jobs.last().id)).size() / 1048576.0);
                QFile::remove(cups.documentPath(jobs.last().id));
            }
        }
        if (dpi == 300)
            single = median(times);
        if (dpi)
            std::printf("%-8d %14.0f %22.0f %20.0f %12.1f\n", dpi, median(times), median(before),
                        median(after), sizes.isEmpty() ? 0.0 : median(sizes));
        else
            std::printf("%-8d %14.0f %22.0f %20.0f %12.1f %8.2f\n", pages, median(times),
                        median(before), median(after), sizes.isEmpty() ? 0.0 : median(sizes),
                        single > 0 ? median(times) / single : 0.0);
    }
    return 0;
}
