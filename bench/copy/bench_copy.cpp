// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real Copy command, driven like a user, against SANE's test scanner and a
// private CUPS scheduler: full-bed pages at several resolutions, grey and
// colour, 100 % and 200 %, printed straight away to a raw queue, printed to an
// IPP Everywhere printer (ippeveprinter behind a `-m everywhere` queue), or
// saved. Each run is a fresh process, so its peak resident memory, and its
// scanner helper's, are its own. On the same pages, in the same environment,
// the plain command-line routes are timed too:
//
//     scanimage ... --format=png | lp -d QUEUE      (print, ipp)
//     scanimage ... --format=tiff > FILE            (save)
//
//     bench_copy [--runs N] [--dpi 150,300,600] [--mode Gray,Color]
//                [--scale 100,200] [--route print,ipp,save]
//
// (the ipp route at 300 dpi and 100 % unless --dpi or --scale is given)
//
// Times run from the press of Scan (the Enter key reaching the scan dialog) to
// the Copy command returning, which is after the job was handed over
// (cupsFinishDestDocument) or the file was closed; on the ipp route, to the
// printer holding the whole job, for both alike. The moments the save dialog
// waits for its (automatic) user are left out. Medians throughout. Apart, the
// start of the scanner helper on the first Copy: from the click on Copy to the
// helper's answer that SANE is there.
#include "app/frmMain.h"
#include "bench/common/BenchStats.h"
#include "bench/common/QuietOffscreen.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/save/BitmapFile.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/CopyDriving.h"
#include "harness/CupsTestServer.h"
#include "harness/SaneTestScanner.h"
#include "panel/LabelButton.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cups/cups.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

const QString kQueue = QStringLiteral("bench");
const QString kIppQueue = QStringLiteral("bench-ipp");
const QString kPicture = QStringLiteral("Color pattern");

QElapsedTimer &clock()
{
    static QElapsedTimer c;
    return c;
}

double nowMs()
{
    return clock().nsecsElapsed() / 1e6;
}

// The same clock in every process.
double monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Times the acquisition; everything else goes straight to the real layer.
class TimedScanner : public ScannerLayer
{
public:
    explicit TimedScanner(ScannerLayer &inner) : m_inner(inner) {}
    int TWAIN_IsAvailable() override
    {
        const int result = m_inner.TWAIN_IsAvailable();
        if (firstAnswerAt < 0)
            firstAnswerAt = nowMs();
        return result;
    }
    QImage TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) override
    {
        scannedPage = m_inner.TWAIN_AcquireToClipboard(owner, pixelTypes);
        returnedAt = nowMs();
        return scannedPage;
    }
    int TWAIN_SelectImageSource(QWidget *owner) override
    {
        return m_inner.TWAIN_SelectImageSource(owner);
    }
    int TWAIN_EasyVersion() override { return m_inner.TWAIN_EasyVersion(); }

    double returnedAt = -1;
    // The first Copy asks first whether SANE is there: the helper's first answer.
    double firstAnswerAt = -1;
    // The page the command was handed, for timing its write step alone.
    QImage scannedPage;

private:
    ScannerLayer &m_inner;
};

// Notes the press of Scan and the time the save dialog stood waiting.
class Moments : public QObject
{
public:
    double scanPressedAt = -1;
    double saveShownAt = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && scanPressedAt < 0) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            auto *widget = qobject_cast<QWidget *>(watched);
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && widget &&
                widget->window()->objectName() == QLatin1String("ScanDialog"))
                scanPressedAt = nowMs();
        } else if (event->type() == QEvent::Show && saveShownAt < 0 &&
                   watched->objectName() == QLatin1String("SaveDialog")) {
            saveShownAt = nowMs();
        }
        return false;
    }
};

// One copy in this process. Prints "<scan ms> <copy ms> <after-scan ms>
// <write ms> <width> <height> <bytes per pixel> <peak KiB> <helper's peak KiB>
// <helper start ms> <monotonic ms at the press of Scan>".
int copyOnce(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenMessages);
    ScanSession::setDefaultHelperPath(QStringLiteral(MIREL_SCANNER_HELPER));
    const bool save = qstrcmp(argv[2], "save") == 0;
    const int dpi = atoi(argv[3]);
    const QString mode = QString::fromLatin1(argv[4]);
    const int scale = atoi(argv[5]);
    const QString target = QFile::decodeName(argv[6]);
    QApplication app(argc, argv);
    clock().start();
    const double clockStartedAt = monotonicMs();

    SaneScannerLayer sane;
    sane.setOptionPreset(QStringLiteral("test-picture"), kPicture);
    TimedScanner scanner(sane);
    ApplicationPrinter printer;
    frmMain form(scanner, printer);
    form.Form_Load();
    setCopyRoute(form, save ? CopyRoute::Save : CopyRoute::PrintToDefault);
    while (form.counters().scale() < scale)
        form.counters().stepScale(4); // up by 1
    while (form.counters().scale() > scale)
        form.counters().stepScale(3); // down by 1

    MessageWatcher messages;
    Moments moments;
    app.installEventFilter(&moments);
    double saveAcceptedAt = -1;
    if (save)
        answerDialog(QStringLiteral("SaveDialog"), [&](QDialog &dialog) {
            saveAcceptedAt = nowMs();
            saveAs(dialog, target);
        });
    ScanDialogDriver driver;
    driver.chooseResolution(dpi).chooseMode(mode).pressEnter().start();

    const double clickedAt = nowMs();
    QTest::mouseClick(form.lblCopy, Qt::LeftButton);
    const double doneAt = nowMs();
    const long helperKiB = peakResidentKiB(sane.session().helperProcessId());

    if (!driver.succeeded() || !messages.texts.isEmpty() || moments.scanPressedAt < 0) {
        std::fprintf(stderr, "copy failed: %s %s\n", qPrintable(driver.failure()),
                     qPrintable(messages.texts.join(u' ')));
        return 1;
    }
    if (save && (saveAcceptedAt < 0 || !QFile::exists(target))) {
        std::fprintf(stderr, "nothing saved\n");
        return 1;
    }
    const double waited = save ? saveAcceptedAt - moments.saveShownAt : 0.0;
    // The file alone: the page the command saved, saved once more beside it.
    const QImage page = scanner.scannedPage;
    double writeMs = 0;
    if (save) {
        const QString again = target + QStringLiteral(".again");
        QElapsedTimer timer;
        timer.start();
        const Outcome saved = SaveBitmapFile(page, again);
        writeMs = timer.nsecsElapsed() / 1e6;
        QFile::remove(again);
        if (!saved.ok)
            return 1;
    }
    const int bytesPerPixel = qMax(1, page.depth() / 8);
    std::printf("%.1f %.1f %.1f %.1f %d %d %d %ld %ld %.1f %.3f\n",
                scanner.returnedAt - moments.scanPressedAt, doneAt - moments.scanPressedAt - waited,
                doneAt - scanner.returnedAt - waited, writeMs, page.width(), page.height(),
                bytesPerPixel, peakResidentKiB(), helperKiB, scanner.firstAnswerAt - clickedAt,
                clockStartedAt + moments.scanPressedAt);
    return 0;
}

QStringList listArgument(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return (at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback).split(u',');
}

qint64 lastSpooledSize(const CupsTestServer &cups, const QString &queue)
{
    const auto jobs = cups.jobs(queue);
    if (jobs.isEmpty())
        return -1;
    const QString path = cups.documentPath(jobs.last().id);
    const qint64 size = QFile(path).size();
    // The spool keeps every document; the next run needs the room.
    QFile::remove(path);
    return size;
}

// waitForFinished() says false for a process that has already ended.
bool waitEnded(QProcess &process)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(600000);
}

// The IPP Everywhere printer behind kIppQueue, asked directly.
class IppPrinter
{
public:
    // Its port, from the queue's device URI.
    bool find()
    {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), kIppQueue});
        lpstat.waitForFinished(30000);
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("localhost:(\\d+)/"))
                                              .match(QString::fromLocal8Bit(lpstat.readAll()));
        m_uri = QStringLiteral("ipp://localhost:%1/ipp/print").arg(m.captured(1)).toUtf8();
        m_port = m.captured(1).toInt();
        return m_port > 0 && held() >= 0;
    }

    // How many jobs it holds whole: ippeveprinter keeps a job "pending-held"
    // while its document arrives, and only then moves it on.
    int held() const
    {
        http_t *http = httpConnect2("localhost", m_port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER,
                                    1, 5000, nullptr);
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     m_uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "job-state");
        ipp_t *response = cupsDoRequest(http, request, "/");
        httpClose(http);
        int count = response ? 0 : -1;
        for (ipp_attribute_t *a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM); a;
             a = ippFindNextAttribute(response, "job-state", IPP_TAG_ENUM))
            count += ippGetInteger(a, 0) != IPP_JSTATE_HELD;
        ippDelete(response);
        return count;
    }

    // Waits for the process to end and the printer to hold one job more;
    // the monotonic ms at which that job was first seen whole, or -1.
    double waitHeld(QProcess &process, int before) const
    {
        double heldAt = -1;
        for (QDeadlineTimer deadline(600000); !deadline.hasExpired();) {
            if (heldAt < 0 && held() > before)
                heldAt = monotonicMs();
            const bool ended = process.state() == QProcess::NotRunning;
            if (ended && heldAt >= 0)
                break;
            if (!ended)
                process.waitForFinished(10);
            else
                QThread::msleep(10);
        }
        return heldAt;
    }

    // The received document of a run, its size, and the room it took given
    // back; then waits until the printer and the queue have finished, so the
    // next run finds both idle.
    qint64 takeReceived(const CupsTestServer &cups, int count) const
    {
        const auto jobs = cups.printerJobs(kIppQueue, count);
        const QString path = jobs.isEmpty() ? QString() : cups.received(kIppQueue, jobs.last().id);
        const qint64 size = path.isEmpty() ? -1 : QFile(path).size();
        QFile::remove(path);
        for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(50)) {
            const auto queued = cups.jobs(kIppQueue);
            if (queued.isEmpty() || queued.last().state == IPP_JSTATE_COMPLETED)
                break;
        }
        lastSpooledSize(cups, kIppQueue);
        return size;
    }

private:
    QByteArray m_uri;
    int m_port = 0;
};

struct Case
{
    QString route; // print, ipp or save
    int dpi;
    QString mode;
    int scale;
    bool save() const { return route == QLatin1String("save"); }
    bool ipp() const { return route == QLatin1String("ipp"); }
};

struct Figures
{
    QList<double> scanMs, copyMs, afterMs, writeMs, ddMs, baseMs, bytes, baseBytes, peakMiB,
        helperMiB, helperStartMs;
    double rawMiB = 0;
};

// The floor of the write step: dd writing as many bytes into the same folder,
// synced as QSaveFile syncs; dd's own figure, without its start-up.
double ddMs(const QString &folder, qint64 bytes)
{
    QProcess dd;
    dd.start(QStringLiteral("dd"),
             {QStringLiteral("if=/dev/zero"),
              QStringLiteral("of=") + folder + QStringLiteral("/dd.out"), QStringLiteral("bs=1M"),
              QStringLiteral("iflag=count_bytes"), QStringLiteral("count=%1").arg(bytes),
              QStringLiteral("conv=fdatasync")});
    dd.waitForFinished(600000);
    QFile::remove(folder + QStringLiteral("/dd.out"));
    const QString report = QString::fromLocal8Bit(dd.readAllStandardError());
    const QRegularExpression seconds(QStringLiteral("copied, ([0-9.]+) s"));
    const QRegularExpressionMatch m = seconds.match(report);
    return dd.exitCode() == 0 && m.hasMatch() ? m.captured(1).toDouble() * 1000 : -1;
}

bool runMirel(const Case &c, const QString &target, const CupsTestServer &cups,
              const IppPrinter &printer, Figures &f)
{
    const int before = c.ipp() ? printer.held() : 0;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--one"),
                 c.save() ? QStringLiteral("save") : QStringLiteral("print"),
                 QString::number(c.dpi), c.mode, QString::number(c.scale), target});
    const double heldAt = c.ipp() ? printer.waitHeld(child, before) : 0;
    if (!waitEnded(child) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        heldAt < 0)
        return false;
    const QList<QByteArray> v = child.readAllStandardOutput().simplified().split(' ');
    if (v.size() != 11 || v[8].toLong() < 0)
        return false;
    f.scanMs << v[0].toDouble();
    f.copyMs << (c.ipp() ? heldAt - v[10].toDouble() : v[1].toDouble());
    f.afterMs << (c.ipp() ? f.copyMs.last() - f.scanMs.last() : v[2].toDouble());
    f.writeMs << v[3].toDouble();
    f.rawMiB = v[4].toDouble() * v[5].toDouble() * v[6].toDouble() / 1048576.0;
    // Both processes' peaks added: the page they share counts twice.
    f.peakMiB << (v[7].toDouble() + v[8].toDouble()) / 1024.0;
    f.helperMiB << v[8].toDouble() / 1024.0;
    f.helperStartMs << v[9].toDouble();
    if (c.save()) {
        f.bytes << double(QFile(target).size());
        QFile::remove(target);
        f.ddMs << ddMs(QFileInfo(target).path(), qint64(f.bytes.last()));
        if (f.ddMs.last() < 0)
            return false;
    } else {
        f.bytes << double(c.ipp() ? printer.takeReceived(cups, before + 1)
                                  : lastSpooledSize(cups, kQueue));
    }
    return true;
}

bool runBaseline(const Case &c, const QString &target, const CupsTestServer &cups,
                 const IppPrinter &printer, Figures &f)
{
    const QString scan =
        QStringLiteral("scanimage -d test:0 --mode %1 --resolution %2 -l 0 -t 0 -x 200 -y 200 "
                       "--test-picture '%3'")
            .arg(c.mode)
            .arg(c.dpi)
            .arg(kPicture);
    const QString line = c.save() ? scan + QStringLiteral(" --format=tiff > '%1'").arg(target)
                                  : scan + QStringLiteral(" --format=png | lp -d %1 -t baseline "
                                                          ">/dev/null")
                                               .arg(c.ipp() ? kIppQueue : kQueue);
    const int before = c.ipp() ? printer.held() : 0;
    QProcess shell;
    shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double startedAt = monotonicMs();
    shell.start(QStringLiteral("/bin/bash"),
                {QStringLiteral("-o"), QStringLiteral("pipefail"), QStringLiteral("-c"), line});
    const double heldAt = c.ipp() ? printer.waitHeld(shell, before) : 0;
    if (!waitEnded(shell) || shell.exitCode() != 0 || heldAt < 0)
        return false;
    f.baseMs << (c.ipp() ? heldAt : monotonicMs()) - startedAt;
    if (c.save()) {
        f.baseBytes << double(QFile(target).size());
        QFile::remove(target);
    } else {
        f.baseBytes << double(c.ipp() ? printer.takeReceived(cups, before + 1)
                                      : lastSpooledSize(cups, kQueue));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 7 && qstrcmp(argv[1], "--one") == 0)
        return copyOnce(argc, argv);

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs =
        runsAt >= 0 && runsAt + 1 < args.size() ? qMax(1, args[runsAt + 1].toInt()) : 5;
    const QStringList dpis =
        listArgument(args, QStringLiteral("--dpi"), QStringLiteral("150,300,600"));
    const QStringList modes =
        listArgument(args, QStringLiteral("--mode"), QStringLiteral("Gray,Color"));
    const QStringList scales =
        listArgument(args, QStringLiteral("--scale"), QStringLiteral("100,200"));
    const QStringList routes =
        listArgument(args, QStringLiteral("--route"), QStringLiteral("print,ipp,save"));

    SaneTestScanner sane(1);
    if (!sane.isValid()) {
        std::fprintf(stderr, "no test scanner: %s\n", qPrintable(sane.errorString()));
        return 1;
    }
    CupsTestServer cups;
    // A raw queue: the scheduler passes documents on untouched, so no filter
    // competes with the next run for the processor.
    // Beside it, the driverless queue in front of its IPP Everywhere printer.
    IppPrinter printer;
    if (!cups.start() || !cups.addQueue(kQueue, false) || !cups.addEverywhereQueue(kIppQueue) ||
        !printer.find()) {
        std::fprintf(stderr, "no scheduler: %s\n", qPrintable(cups.lastError()));
        return 1;
    }
    QTemporaryDir out;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(out.path()));
    const QString target = out.filePath(QStringLiteral("page"));

    std::printf("Full bed 200 x 200 mm, test picture \"%s\", %d runs per case, medians; "
                "a fresh process per Mirel run\n",
                qPrintable(kPicture), runs);
    std::printf("| route | dpi | mode | scale | scan ms | Mirel ms | after scan ms | of it file ms "
                "| baseline ms | ratio | target | Mirel bytes | baseline bytes | peak RSS MiB "
                "| of it helper | limit MiB | helper start ms |\n");
    std::printf("|---|---:|---|---:|---:|---:|---:|---:|---:|---:|---|---:|---:|---:|---:|---:|"
                "---:|\n");
    std::fflush(stdout);
    bool allMet = true;
    QStringList writeRows;
    // The IPP printer takes seconds to print each job, which every ipp run
    // waits out before the next: unless told otherwise, one size of page.
    const auto given = [&](const char *name, const QStringList &list, const char *fallback) {
        return args.contains(QLatin1String(name)) ? list : QStringList{QLatin1String(fallback)};
    };
    const QStringList ippDpis = given("--dpi", dpis, "300"),
                      ippScales = given("--scale", scales, "100");
    for (const QString &route : routes)
        for (const QString &dpi : route == QLatin1String("ipp") ? ippDpis : dpis)
            for (const QString &mode : modes)
                for (const QString &scale : route == QLatin1String("ipp") ? ippScales : scales) {
                    const Case c{route, dpi.toInt(), mode, scale.toInt()};
                    Figures f;
                    if (!cups.setDefault(c.ipp() ? kIppQueue : kQueue))
                        return 1;
                    // Alternating, so both see the same state of the machine.
                    for (int run = 0; run < runs; ++run) {
                        if (!runMirel(c, target, cups, printer, f) ||
                            !runBaseline(c, target, cups, printer, f)) {
                            std::fprintf(stderr, "%s %d dpi %s %d %%: run %d failed\n",
                                         qPrintable(route), c.dpi, qPrintable(mode), c.scale, run);
                            return 1;
                        }
                    }
                    const double ratio = median(f.copyMs) / median(f.baseMs);
                    const double limit = f.rawMiB * 2 + 80;
                    const bool met = ratio <= 1.2 && median(f.peakMiB) <= limit;
                    allMet = allMet && met;
                    const QByteArray fileMs =
                        c.save() ? QByteArray::number(median(f.writeMs), 'f', 0) : "-";
                    std::printf("| %s | %d | %s | %d %% | %.0f | %.0f | %.0f | %s | %.0f | %.2f | "
                                "%s | %.0f | %.0f | %.1f | %.1f | %.1f | %.0f |\n",
                                qPrintable(route), c.dpi, qPrintable(mode), c.scale,
                                median(f.scanMs), median(f.copyMs), median(f.afterMs),
                                fileMs.constData(), median(f.baseMs), ratio, met ? "met" : "MISSED",
                                median(f.bytes), median(f.baseBytes), median(f.peakMiB),
                                median(f.helperMiB), limit, median(f.helperStartMs));
                    std::fflush(stdout);
                    if (c.save()) {
                        const double writeRatio = median(f.writeMs) / median(f.ddMs);
                        allMet = allMet && writeRatio <= 1.2;
                        writeRows << QString::asprintf(
                            "| %d | %s | %.0f | %.0f | %.0f | %.2f | %s |", c.dpi, qPrintable(mode),
                            median(f.bytes), median(f.writeMs), median(f.ddMs), writeRatio,
                            writeRatio <= 1.2 ? "met" : "MISSED");
                    }
                }
    std::printf("\nratio = Mirel ms / baseline ms (target <= 1.20); on the ipp route both run to "
                "the printer holding the whole job, bytes are what it received\n"
                "peak RSS = VmHWM of Mirel + VmHWM of its scanner helper at the end of the copy "
                "(the shared page counted in both); limit = raw page x 2 + 80 MiB\n"
                "helper start = the click on Copy to the helper's first answer (SANE there)\n");
    if (!writeRows.isEmpty()) {
        // Scale rows of one page save the same file: the duplicates say how steady it is.
        std::printf("\nThe write step alone, file name given to file closed (SaveBitmapFile), "
                    "against dd writing as many bytes into the same folder with fdatasync:\n");
        std::printf("| dpi | mode | bytes | write ms | dd ms | ratio | target |\n");
        std::printf("|---:|---|---:|---:|---:|---:|---|\n");
        for (const QString &row : writeRows)
            std::printf("%s\n", qPrintable(row));
        std::printf("\nratio = write ms / dd ms (target <= 1.20)\n");
    }
    return allMet ? 0 : 2;
}
