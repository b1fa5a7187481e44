// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print job through a private CUPS scheduler, for one page and a stack
// alike: what lands in the spool and what real printers receive (size and
// place of each picture, copies, collation, sides, paper), the file printed
// into, and what the caller hears when the queue, the scheduler or a page
// fails.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "harness/CupsTestServer.h"
#include "harness/StackPages.h"
#include "harness/TestSupport.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <cups/cups.h>

namespace {

// Four thirds as tall as wide, so a page turned on its side shows.
QImage tallPage(int width, int dpi)
{
    return scannedPicture({width, width * 4 / 3}, dpi, QImage::Format_Grayscale8);
}

// Where the ink lies on a page as a printer received it, in mm from its top-left.
QRectF inkMm(const QString &pdf)
{
    QTemporaryDir dir;
    toolOutput("pdftoppm", {"-r", "100", "-gray", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page.pgm"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return QTransform::fromScale(0.254, 0.254).mapRect(QRectF(ink));
}

const QSizeF kLetter(612, 792), kA4(595.276, 841.89);

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

    CupsTestServer m_cups;
    std::unique_ptr<ApplicationPrinter> m_printer;

    PrintResult print(const PageStack &stack, int copies, int scale)
    {
        return PrintCopies(stack, copies, scale, m_printer->printer());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.lastError()));
        // CUPS's generic PPD: Letter, 12 pt margins (Qt's own default here is
        // A4); once more with its duplexer; a printer of its own that prints
        // both sides.
        QVERIFY2(m_cups.addQueue("copier") && m_cups.addDuplexQueue("duplex") &&
                     m_cups.addEverywhereQueue("inkjet", true),
                 qPrintable(m_cups.lastError()));
    }
    void init() { m_printer = std::make_unique<ApplicationPrinter>(); }

    void onThePrintersPaper_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("pages"); // 1: a page of `width` at `dpi`; else the stack's pages
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("a4");    // chosen in the printer dialog
        QTest::addColumn<QRectF>("ink"); // mm from the corner of what the printer got
        for (const int scale : {1, 33, 200})
            QTest::addRow("300 dpi at %d %%", scale)
                << "copier" << 1 << 2550 << 300 << scale << 1 << false << QRectF();
        QTest::newRow("96 dpi, 99 copies")
            << "copier" << 1 << 816 << 96 << 100 << 99 << false << QRectF();
        QTest::newRow("A4 chosen in the dialog")
            << "copier" << 1 << 2550 << 300 << 100 << 1 << true << QRectF();
        QTest::newRow("ten pages, 3 copies")
            << "copier" << 10 << 0 << 0 << 100 << 3 << false << QRectF();
        QTest::newRow("ten pages at 33 %")
            << "copier" << 10 << 0 << 0 << 33 << 1 << false << QRectF();
        // The printable area's corner is where the printer's own margins say:
        // 1.02 mm from the top, 6.35 mm from the side (3.4 mm on A4). At 200 %
        // the paper's edge cuts the picture.
        QTest::newRow("printer, 2 copies")
            << "inkjet" << 1 << 2362 << 300 << 100 << 2 << false << QRectF(6.35, 1.02, 200, 266.6);
        QTest::newRow("printer, A4 at 50 %")
            << "inkjet" << 1 << 2362 << 300 << 50 << 1 << true << QRectF(3.4, 1.02, 100, 133.3);
        QTest::newRow("printer, A4 at 200 %, cut")
            << "inkjet" << 1 << 2362 << 300 << 200 << 1 << true << QRectF(3.4, 1.02, 206.6, 295.98);
    }

    // One job of one document on the queue's own paper (Letter, not Qt's A4)
    // or the dialog's, copies asked once; each picture at the printable
    // area's corner at scale percent of its size at its own resolution,
    // fractions of a pixel kept; several pages in order, collated, where one
    // page asks for nothing of the kind, as a copy from the glass always did.
    // What an IPP Everywhere printer received shows the picture's size and
    // place within 1 mm, and exactly as many impressions as copies.
    void onThePrintersPaper()
    {
        QFETCH(QString, queue);
        QFETCH(int, pages);
        QFETCH(int, width);
        QFETCH(int, dpi);
        QFETCH(int, scale);
        QFETCH(int, copies);
        QFETCH(bool, a4);
        QFETCH(QRectF, ink);
        QVERIFY(m_cups.setDefault(queue));
        if (a4)
            m_printer->printer().setPageSize(QPageSize(QPageSize::A4));
        QList<QImage> pictures;
        for (int i = 0; i < pages; ++i)
            pictures << (pages == 1 ? tallPage(width, dpi) : stackPage(i));
        const int before = m_cups.jobs(queue).size();
        const PrintResult printed = print(*stackOf(pictures), copies, scale);
        QVERIFY2(printed.outcome.ok, qPrintable(printed.outcome.message));
        const auto jobs = m_cups.jobs(queue);
        QCOMPARE(jobs.size(), before + 1);
        QCOMPARE(printed.job.id, jobs.last().id);
        QCOMPARE(printed.job.destination, queue);
        QCOMPARE(QList<int>({jobs.last().copies, jobs.last().documents}), QList<int>({copies, 1}));
        QCOMPARE(jobs.last().media, QString(a4 ? "iso_a4_210x297mm" : "na_letter_8.5x11in"));
        QCOMPARE(jobs.last().documentHandling,
                 pages > 1 ? "separate-documents-collated-copies" : QString());
        const QString spooled = m_cups.documentPath(jobs.last().id);
        QCOMPARE(pdfPageCount(spooled), pages);
        if (ink.isNull()) {
            QCOMPARE(pdfPlacements(spooled), placedAt(pictures, a4 ? kA4 : kLetter, 12, scale));
            return;
        }
        const auto held = m_cups.printerJobs(queue, jobs.size());
        QVERIFY(!held.isEmpty());
        const QString received = m_cups.received(queue, held.last().id);
        QCOMPARE(pdfPageCount(received) * qMax(1, held.last().copies), copies);
        const QRectF got = inkMm(received);
        const QRectF off(got.topLeft() - ink.topLeft(), got.size() - ink.size());
        QVERIFY2(qMax(qMax(qAbs(off.x()), qAbs(off.y())),
                      qMax(qAbs(off.width()), qAbs(off.height()))) <= 1.0,
                 qPrintable(QDebug::toString(got)));
    }

    void sides_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("duplex");
        QTest::addColumn<QString>("sides");
        QTest::newRow("duplex stack, two-sided queue") << "duplex" << true << "two-sided-long-edge";
        QTest::newRow("duplex stack, one-sided queue") << "copier" << true << "one-sided";
        QTest::newRow("one-sided stack, two-sided queue") << "duplex" << false << "one-sided";
        QTest::newRow("duplex stack, two-sided printer")
            << "inkjet" << true << "two-sided-long-edge";
    }

    // Both sides of the sheet for the two sides of each original, where the
    // queue says it can; one side otherwise, even where the queue's own
    // default is two; what the printer was asked for, past CUPS's filters.
    void sides()
    {
        QFETCH(QString, queue);
        QFETCH(bool, duplex);
        QFETCH(QString, sides);
        QVERIFY(m_cups.setDefault(queue));
        const PrintResult printed = print(*stackOf(4, duplex), 2, 100);
        QVERIFY2(printed.outcome.ok, qPrintable(printed.outcome.message));
        const auto jobs = m_cups.jobs(queue);
        QCOMPARE(jobs.last().sides, sides);
        if (queue != "inkjet")
            return;
        const auto held = m_cups.printerJobs(queue, jobs.size());
        QVERIFY(!held.isEmpty());
        QCOMPARE(held.last().sides, sides);
    }

    // "Print to file": every page on the paper chosen, in the file and in no
    // queue; a file that cannot be written, or a page that cannot be read
    // back, is an error and the old file stays.
    void printToFile()
    {
        QVERIFY(m_cups.setDefault("copier"));
        QTemporaryDir dir;
        const QString target = dir.filePath("copy.pdf");
        m_printer->printer().setOutputFileName(target);
        m_printer->printer().setPageSize(QPageSize(QPageSize::A5));
        const int before = m_cups.jobs("copier").size();
        const auto stack = stackOf(3);
        const PrintResult printed = print(*stack, 3, 50);
        QVERIFY2(printed.outcome.ok, qPrintable(printed.outcome.message));
        QCOMPARE(printed.job.id, 0);
        QCOMPARE(pdfPlacements(target),
                 placedAt({stackPage(0), stackPage(1), stackPage(2)}, {419.528, 595.276}, 0, 50));
        QCOMPARE(m_cups.jobs("copier").size(), before);

        QVERIFY(QFile::remove(stack->description(1).file));
        QCOMPARE(print(*stack, 3, 50).outcome.message,
                 "Scanned page 2 could not be read back: No such file or directory. Nothing was "
                 "written.");
        m_printer->printer().setOutputFileName(dir.filePath("missing/copy.pdf"));
        QCOMPARE(print(*stack, 3, 50).outcome.message,
                 QString("The copy could not be written to \"%1\": No such file or directory.")
                     .arg(dir.filePath("missing/copy.pdf")));
        QCOMPARE(pdfPageCount(target), 3);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("words");
        QTest::newRow("queue rejects jobs")
            << "rejecting"
            << "The printer \"rejecting\" is not accepting jobs, so nothing was printed.";
        QTest::newRow("queue removed after it was chosen")
            << "removed"
            << "The printer \"removed\" does not exist, so nothing was printed. Choose "
               "another printer.";
        QTest::newRow("no page") << "empty"
                                 << "There is no scanned page, so nothing was printed.";
        QTest::newRow("no printer at all")
            << ""
            << "No printer is installed, so nothing was printed. Add a printer in the "
               "system's printer settings, or choose \"Print to File\".";
        // The job is made, then cancelled when its second page is missing.
        QTest::newRow("a page lost on the way")
            << "lost"
            << "Scanned page 2 could not be read back: No such file or directory. Nothing was "
               "printed.";
        // Pointed at a port nobody serves, while the scheduler runs on its own.
        QTest::newRow("no scheduler")
            << "copier"
            << "The printing system (CUPS) cannot be reached, so nothing was "
               "printed. Check that the CUPS service is running.";
    }

    // Each failure reaches the caller in words with no job to follow, and
    // leaves nothing to print on any queue, the default one included: a job
    // made on the way is cancelled at the scheduler.
    void failures()
    {
        QFETCH(QString, queue);
        QFETCH(QString, words);
        QVERIFY(queue.isEmpty() || m_cups.addQueue(queue));
        QVERIFY(m_cups.setDefault("copier"));
        m_printer->printer().setPrinterName(queue);
        QVERIFY(queue != "rejecting" || m_cups.rejectJobs(queue));
        QVERIFY(queue != "removed" || m_cups.deleteQueue(queue));
        const auto stack = stackOf(queue == "empty" ? 0 : 3);
        QVERIFY(queue != "lost" || QFile::remove(stack->description(1).file));
        const auto jobs = [this] {
            QList<int> states;
            for (const char *name : {"copier", "rejecting", "lost"})
                for (const CupsTestServer::Job &job : m_cups.jobs(name))
                    states << job.state;
            return states;
        };
        const QList<int> before = jobs();
        if (queue == "copier")
            cupsSetServer("127.0.0.1:1");
        const PrintResult printed = print(*stack, 4, 100);
        cupsSetServer(m_cups.serverName().toUtf8().constData());
        QCOMPARE(printed.outcome.message, words);
        QVERIFY(!printed.outcome.ok);
        QCOMPARE(printed.job.id, 0);
        QCOMPARE(jobs(),
                 before + (queue == "lost" ? QList<int>{IPP_JSTATE_CANCELED} : QList<int>()));
        // The same pages with the scheduler there do reach it: the check above
        // would have seen them.
        if (queue != "copier")
            return;
        const int made = print(*stack, 4, 100).job.id;
        QCOMPARE(m_cups.jobs("copier").last().id, made);
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
