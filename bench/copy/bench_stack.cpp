// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A document feeder's stack copied with one press: SANE's test scanner's
// feeder (ten sheets, full bed, colour test pattern) printed straight away to
// a raw queue of a private CUPS scheduler, as one job. Beside it, in the same
// run and alternating, the command-line way of the same pages:
//
//     scanimage ... --batch=DIR/p%02d.png --format=png && lp -d QUEUE DIR/p*.png
//
// and one sheet each way (the feeder choice off in Mirel, --batch-count=1).
//
//     bench_stack [--runs N] [--dpi 300] [--mode Gray,Color] [--unpaced]
//
// The test scanner makes a sheet as fast as it is read; a real feeder takes a
// second or more. Unless --unpaced, both ways read the sheets at a feeder's
// pace (blocks of 64 KiB, 4 ms apart: about a second a colour sheet at 300
// dpi), so a page is compressed while the next is scanned, as with a feeder.
//
// Times run from the press of Scan to the job handed over; "after the last
// sheet" from the last page reaching the Copy command's spool to the job
// handed over: what a user waits once the feeder has stopped. Peak memory is
// Mirel's and its scanner helper's, each run a fresh process. Medians.
#include "app/frmMain.h"
#include "bench/common/BenchStats.h"
#include "bench/common/QuietOffscreen.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/CopyDriving.h"
#include "harness/CupsTestServer.h"
#include "harness/SaneTestScanner.h"
#include "panel/LabelButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const QString kQueue = QStringLiteral("bench");
const QString kPicture = QStringLiteral("Color pattern");
const QString kFeeder = QStringLiteral("Automatic Document Feeder");
// The test backend's options for reading at a feeder's pace.
const QList<QPair<QString, QString>> kPace{{"read-limit", "yes"},
                                           {"read-limit-size", "65536"},
                                           {"read-delay", "yes"},
                                           {"read-delay-duration", "4000"}};

QElapsedTimer &clock()
{
    static QElapsedTimer c;
    return c;
}

double nowMs()
{
    return clock().nsecsElapsed() / 1e6;
}

// Notes when each page reaches the spool, before it is kept there.
class TimedSink : public PageSink
{
public:
    explicit TimedSink(PageSink &inner) : m_inner(inner) {}
    Outcome takePage(const QImage &page) override
    {
        lastPageAt = nowMs();
        pageBytes = page.sizeInBytes();
        return m_inner.takePage(page);
    }
    double lastPageAt = -1;
    qint64 pageBytes = 0;

private:
    PageSink &m_inner;
};

class TimedScanner : public ScannerLayer
{
public:
    explicit TimedScanner(ScannerLayer &inner) : m_inner(inner) {}
    int TWAIN_IsAvailable() override { return m_inner.TWAIN_IsAvailable(); }
    QImage TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) override
    {
        return m_inner.TWAIN_AcquireToClipboard(owner, pixelTypes);
    }
    StackResult AcquireStack(QWidget *owner, int pixelTypes, PageSink &sink) override
    {
        TimedSink timed(sink);
        const StackResult result = m_inner.AcquireStack(owner, pixelTypes, timed);
        lastPageAt = timed.lastPageAt;
        pageBytes = timed.pageBytes;
        pages = result.pages;
        return result;
    }
    int TWAIN_SelectImageSource(QWidget *owner) override
    {
        return m_inner.TWAIN_SelectImageSource(owner);
    }
    int TWAIN_EasyVersion() override { return m_inner.TWAIN_EasyVersion(); }

    double lastPageAt = -1;
    qint64 pageBytes = 0;
    int pages = 0;

private:
    ScannerLayer &m_inner;
};

// The press of Scan, the Enter key reaching the scan dialog.
class ScanPress : public QObject
{
public:
    double at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (at < 0 && event->type() == QEvent::KeyPress && widget &&
            widget->window()->objectName() == QLatin1String("ScanDialog"))
            at = nowMs();
        return false;
    }
};

// One copy in this process. Prints "<copy ms> <after the last sheet ms>
// <pages> <page bytes> <peak KiB> <helper's peak KiB>".
int copyOnce(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenMessages);
    ScanSession::setDefaultHelperPath(QStringLiteral(MIREL_SCANNER_HELPER));
    const bool stack = atoi(argv[2]) > 1;
    const QString mode = QString::fromLatin1(argv[3]);
    const int dpi = atoi(argv[4]);
    const bool paced = qstrcmp(argv[5], "paced") == 0;
    QApplication app(argc, argv);
    clock().start();

    SaneScannerLayer sane;
    sane.setOptionPreset(QStringLiteral("test-picture"), kPicture);
    for (const auto &[option, value] : kPace)
        if (paced)
            sane.setOptionPreset(option, value == "yes" ? QVariant(true) : QVariant(value.toInt()));
    TimedScanner scanner(sane);
    ApplicationPrinter printer;
    frmMain form(scanner, printer);
    form.Form_Load();
    setCopyRoute(form, CopyRoute::PrintToDefault);
    MessageWatcher messages;
    ScanPress press;
    app.installEventFilter(&press);
    ScanDialogDriver driver;
    driver.chooseResolution(dpi).chooseMode(mode).chooseFeeder(kFeeder, stack).pressEnter().start();
    QTest::mouseClick(form.lblCopy, Qt::LeftButton);
    const double doneAt = nowMs();
    const long helperKiB = peakResidentKiB(sane.session().helperProcessId());
    if (!driver.succeeded() || !messages.texts.isEmpty() || press.at < 0 || scanner.pages < 1) {
        std::fprintf(stderr, "copy failed: %s %s\n", qPrintable(driver.failure()),
                     qPrintable(messages.texts.join(u' ')));
        return 1;
    }
    std::printf("%.1f %.1f %d %lld %ld %ld\n", doneAt - press.at, doneAt - scanner.lastPageAt,
                scanner.pages, static_cast<long long>(scanner.pageBytes), peakResidentKiB(),
                helperKiB);
    return 0;
}

struct Figures
{
    QList<double> copyMs, afterMs, baseMs, peakMiB, helperMiB;
    int pages = 0;
    double pageMiB = 0;
};

bool runMirel(int sheets, const QString &mode, int dpi, bool paced, Figures &f)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--one"), QString::number(sheets), mode, QString::number(dpi),
                 paced ? QStringLiteral("paced") : QStringLiteral("unpaced")});
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return false;
    const QList<QByteArray> v = child.readAllStandardOutput().simplified().split(' ');
    if (v.size() != 6 || v[5].toLong() < 0)
        return false;
    f.copyMs << v[0].toDouble();
    f.afterMs << v[1].toDouble();
    f.pages = v[2].toInt();
    f.pageMiB = v[3].toDouble() / 1048576.0;
    f.peakMiB << (v[4].toDouble() + v[5].toDouble()) / 1024.0;
    f.helperMiB << v[5].toDouble() / 1024.0;
    return true;
}

bool runBaseline(int sheets, const QString &mode, int dpi, bool paced, const QString &folder,
                 Figures &f)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QString pace;
    for (const auto &[option, value] : kPace)
        pace += QStringLiteral(" --%1=%2").arg(option, value);
    const QString line =
        QStringLiteral("scanimage -d test:0 --source '%1' --mode %2 --resolution %3 -l 0 -t 0 "
                       "-x 200 -y 200 --test-picture '%4' --format=png --batch='%5/p%02d.png' %6%8 "
                       "2>/dev/null && lp -d %7 -t baseline '%5'/p*.png >/dev/null")
            .arg(kFeeder, mode)
            .arg(dpi)
            .arg(kPicture, folder, sheets > 1 ? QString() : QStringLiteral("--batch-count=1"),
                 kQueue, paced ? pace : QString());
    QProcess shell;
    shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), line});
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return false;
    f.baseMs << timer.nsecsElapsed() / 1e6;
    return true;
}

// The spool keeps every document; the next run needs the room.
void emptySpool(const CupsTestServer &cups)
{
    for (const CupsTestServer::Job &job : cups.jobs(kQueue))
        QFile::remove(cups.documentPath(job.id));
}

QStringList listArgument(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return (at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback).split(u',');
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 6 && qstrcmp(argv[1], "--one") == 0)
        return copyOnce(argc, argv);

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = qMax(1, listArgument(args, QStringLiteral("--runs"), "3").first().toInt());
    const int dpi = listArgument(args, QStringLiteral("--dpi"), "300").first().toInt();
    const QStringList modes = listArgument(args, QStringLiteral("--mode"), "Gray,Color");
    const bool paced = !args.contains(QStringLiteral("--unpaced"));

    SaneTestScanner sane(1);
    CupsTestServer cups;
    if (!sane.isValid() || !cups.start() || !cups.addQueue(kQueue, false) ||
        !cups.setDefault(kQueue)) {
        std::fprintf(stderr, "no test scanner or scheduler: %s %s\n",
                     qPrintable(sane.errorString()), qPrintable(cups.lastError()));
        return 1;
    }
    QTemporaryDir out;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(out.path()));

    std::printf("Test scanner's feeder, full bed 200 x 200 mm, \"%s\", %d dpi, %s, %d runs per "
                "case, medians; a fresh process per Mirel run\n",
                qPrintable(kPicture), dpi,
                paced ? "read at a feeder's pace" : "read as fast as it comes", runs);
    std::printf("| mode | sheets | Mirel ms | baseline ms | ratio | target | after the last sheet "
                "ms | peak RSS MiB | of it helper | limit MiB |\n");
    std::printf("|---|---:|---:|---:|---:|---|---:|---:|---:|---:|\n");
    std::fflush(stdout);
    bool allMet = true;
    QStringList afterRows;
    for (const QString &mode : modes) {
        double singleAfter = 0;
        for (const int sheets : {1, 10}) {
            Figures f;
            for (int run = 0; run < runs; ++run) {
                if (!runMirel(sheets, mode, dpi, paced, f) ||
                    !runBaseline(sheets, mode, dpi, paced, out.filePath(QStringLiteral("batch")),
                                 f)) {
                    std::fprintf(stderr, "%s %d sheets: run %d failed\n", qPrintable(mode), sheets,
                                 run);
                    return 1;
                }
                emptySpool(cups);
            }
            if (f.pages != sheets) {
                std::fprintf(stderr, "%s: %d pages for %d sheets\n", qPrintable(mode), f.pages,
                             sheets);
                return 1;
            }
            const double ratio = median(f.copyMs) / median(f.baseMs);
            const double limit = f.pageMiB * 2 + 80;
            const bool met = ratio <= 1.0 && median(f.peakMiB) <= limit;
            allMet = allMet && met;
            std::printf("| %s | %d | %.0f | %.0f | %.2f | %s | %.0f | %.1f | %.1f | %.1f |\n",
                        qPrintable(mode), sheets, median(f.copyMs), median(f.baseMs), ratio,
                        met ? "met" : "MISSED", median(f.afterMs), median(f.peakMiB),
                        median(f.helperMiB), limit);
            std::fflush(stdout);
            if (sheets == 1) {
                singleAfter = median(f.afterMs);
            } else {
                const double afterRatio = median(f.afterMs) / singleAfter;
                allMet = allMet && afterRatio <= 1.5;
                afterRows << QString::asprintf("| %s | %.0f | %.0f | %.2f | %s |", qPrintable(mode),
                                               singleAfter, median(f.afterMs), afterRatio,
                                               afterRatio <= 1.5 ? "met" : "MISSED");
            }
        }
    }
    std::printf("\nratio = Mirel ms / baseline ms (target <= 1.00); peak RSS = VmHWM of Mirel + "
                "VmHWM of its scanner helper (the shared page counted in both); limit = one page "
                "x 2 + 80 MiB\n\nAfter the last sheet, 10 sheets against 1:\n"
                "| mode | 1 sheet ms | 10 sheets ms | ratio | target <= 1.5 |\n|---|---:|---:|---:|"
                "---|\n");
    for (const QString &row : afterRows)
        std::printf("%s\n", qPrintable(row));
    return allMet ? 0 : 2;
}
