// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A job followed to the sheet, through a private CUPS scheduler and CUPS's IPP
// Everywhere printer whose job command reports "STATE: +media-empty-error"
// and holds the job, with the watcher's own timing (the scheduler asked every
// second) and the real panel, offscreen:
//
//   1. how long after the scheduler's queue shows media-empty the panel's band
//      says so (the queue watched from here every 20 ms), over several copies;
//   2. the processor time the process spends following one such job for a
//      minute (user and system, all threads), against a minute of the same
//      panel with nothing to follow;
//   3. how long after the hand-over a copy to a printer where nothing answers
//      is said to be unreachable (at most a minute).
//
//     bench_follow [copies] [seconds]   (default 7 copies, 60 seconds)
#include "app/frmMain.h"
#include "bench/common/BenchStats.h"
#include "bench/common/QuietOffscreen.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/stack/PageStack.h"
#include "harness/CupsTestServer.h"
#include "harness/StackPages.h"
#include "panel/StatusLine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTest>

#include <cups/cups.h>

#include <cstdio>
#include <ctime>

namespace {

const QString kQueue = QStringLiteral("Laser");

// Whether the queue's printer-state-reasons show media-empty, as the
// scheduler holds them now.
bool queueShowsPaperOut(const CupsTestServer &cups)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/printers/" + kQueue.toUtf8();
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-reasons");
    http_t *http = httpConnect2("127.0.0.1", cups.serverName().section(':', 1).toInt(), nullptr,
                                AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    ipp_t *response = cupsDoRequest(http, request, "/");
    httpClose(http);
    bool shown = false;
    ipp_attribute_t *reasons = ippFindAttribute(response, "printer-state-reasons", IPP_TAG_ZERO);
    for (int i = 0; reasons && i < ippGetCount(reasons); ++i)
        shown |= QByteArray(ippGetString(reasons, i, nullptr)).startsWith("media-empty");
    ippDelete(response);
    return shown;
}

// Processor time of the whole process so far, in ms.
double processorMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

bool printOne(ApplicationPrinter &printer)
{
    const auto stack = stackOf(1);
    const PrintResult printed = PrintCopies(*stack, 1, 100, printer.printer());
    if (!printed.outcome.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(printed.outcome.message));
        return false;
    }
    printer.followJob(printed.job);
    return true;
}

// The band's words after the queue showed the reason, per copy, in ms.
QList<double> wordsAfterQueue(frmMain &panel, ApplicationPrinter &printer, CupsTestServer &cups,
                              int copies)
{
    QList<double> delays;
    for (int copy = 0; copy < copies; ++copy) {
        if (!printOne(printer))
            return {};
        QElapsedTimer clock;
        clock.start();
        double queueAt = -1, wordsAt = -1;
        while ((queueAt < 0 || wordsAt < 0) && clock.elapsed() < 60000) {
            if (queueAt < 0 && queueShowsPaperOut(cups))
                queueAt = clock.nsecsElapsed() / 1e6;
            if (wordsAt < 0 && panel.lblStatus->text().contains(QLatin1String("out of paper")))
                wordsAt = clock.nsecsElapsed() / 1e6;
            QTest::qWait(20);
        }
        if (queueAt < 0 || wordsAt < 0)
            return {};
        delays << wordsAt - queueAt;
        std::printf("copy %d: queue showed media-empty after %.0f ms, the band %.0f ms later\n",
                    copy + 1, queueAt, wordsAt - queueAt);
        cups.release(kQueue);
        if (!QTest::qWaitFor([&] { return !panel.lblStatus->isVisible(); }, 60000))
            return {};
    }
    return delays;
}

// The process's processor time over `seconds` of its event loop, in ms.
double processorOver(int seconds)
{
    const double before = processorMs();
    QTest::qWait(seconds * 1000);
    return processorMs() - before;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenMessages);
    QApplication app(argc, argv);
    const int copies = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    const int seconds = argc > 2 ? qMax(5, atoi(argv[2])) : 60;
    CupsTestServer cups;
    if (!cups.start() || !cups.addTroubledQueue(kQueue) || !cups.setDefault(kQueue)) {
        std::fprintf(stderr, "no scheduler: %s\n", qPrintable(cups.lastError()));
        return 1;
    }
    cups.setTrouble(kQueue, QStringLiteral("media-empty-error"));
    SaneScannerLayer scanner;
    ApplicationPrinter printer;
    frmMain panel(scanner, printer);
    panel.Form_Load();

    const QList<double> delays = wordsAfterQueue(panel, printer, cups, copies);
    if (delays.isEmpty()) {
        std::fprintf(stderr, "the band never said the printer was out of paper\n");
        return 1;
    }
    std::printf("\nmedia-empty to the band's words, beyond the queue: median %.0f ms, most %.0f "
                "ms, %lld copies (target: at most 2000 ms)\n",
                median(delays), *std::max_element(delays.begin(), delays.end()),
                qint64(delays.size()));

    const double idle = processorOver(seconds);
    if (!printOne(printer) ||
        !QTest::qWaitFor([&] { return panel.lblStatus->text().contains("out of paper"); }, 60000))
        return 1;
    const double following = processorOver(seconds);
    std::printf("processor time over %d s: %.0f ms following one job, %.0f ms with nothing to "
                "follow; following costs %.3f %% of one core (target: under 1 %%)\n",
                seconds, following, idle, (following - idle) / (seconds * 10.0));
    cups.release(kQueue);

    if (!cups.addUnreachableQueue("Upstairs"))
        return 1;
    printer.printer().setPrinterName(QStringLiteral("Upstairs"));
    QElapsedTimer clock;
    clock.start();
    if (!printOne(printer) ||
        !QTest::qWaitFor([&] { return panel.lblStatus->text().contains("cannot be reached"); },
                         90000))
        return 1;
    std::printf("a printer where nothing answers: said %.1f s after the hand-over (target: "
                "within 60 s)\n",
                clock.elapsed() / 1000.0);
    printer.cancelLatestJob();
    return 0;
}
