// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print job through a private CUPS scheduler: what lands in the spool and
// what real printers receive (size and place of the copy, copies, paper), and
// what the caller hears when the queue, the scheduler or the page fails.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "harness/CupsTestServer.h"
#include "harness/SaneTestScanner.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

namespace {

QImage atDpi(QImage page, int dpi)
{
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    return page;
}

QImage greyPage(int width, int dpi)
{
    QImage page(width, width * 4 / 3, QImage::Format_Grayscale8);
    page.fill(90);
    return atDpi(page, dpi);
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

QList<double> numbers(const QByteArray &text, const QString &pattern)
{
    const auto match = QRegularExpression(pattern).match(QString::fromLatin1(text));
    QList<double> values;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i)
        values << match.captured(i).toDouble();
    return values;
}

int pageCount(const QString &pdf)
{
    return numbers(run("pdfinfo", {pdf}), "Pages:\\s+(\\d+)").value(0, -1);
}

// The page's size and the box the picture is drawn into, in points from the
// page's top-left, read from the page's content stream.
QList<double> placement(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray pdf = file.readAll();
    const QList<double> page = numbers(pdf, "/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]");
    const QList<double> cm =
        numbers(pdf, "stream\\nq\\n([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm");
    if (page.size() != 2 || cm.size() != 4)
        return {};
    return {page[0], page[1], cm[2], page[1] - cm[3] - cm[1], cm[0], cm[1]};
}

// Where the ink lies on a page as a printer received it, in mm from its top-left.
QRectF inkMm(const QString &pdf)
{
    QTemporaryDir dir;
    run("pdftoppm", {"-r", "100", "-gray", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page.pgm"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return QTransform::fromScale(0.254, 0.254).mapRect(QRectF(ink));
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

    CupsTestServer m_cups;
    std::unique_ptr<ApplicationPrinter> m_printer;
    QImage m_grid;

    // Prints on a queue as "Print to default" does and returns the job it added.
    CupsTestServer::Job printOn(const QString &queue, const QImage &page, int copies, int scale,
                                Outcome &outcome)
    {
        const int before = m_cups.jobs(queue).size();
        if (!m_cups.setDefault(queue))
            return {};
        outcome = PrintCopies(page, copies, scale, *m_printer);
        const auto jobs = m_cups.jobs(queue);
        return outcome.ok && jobs.size() == before + 1 ? jobs.last() : CupsTestServer::Job{};
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.lastError()));
        // CUPS's generic PPD: Letter, 12 pt margins; Qt's own default here is A4.
        QVERIFY2(m_cups.addQueue("copier"), qPrintable(m_cups.lastError()));
        QVERIFY2(m_cups.addEverywhereQueue("letter"), qPrintable(m_cups.lastError()));
        QVERIFY2(m_cups.addEverywhereQueue("a4", {"-o", "PageSize=A4"}),
                 qPrintable(m_cups.lastError()));
        // SANE's test picture of 10 mm squares over the whole 200 x 200 mm bed.
        SaneTestScanner scanner;
        m_grid =
            atDpi(QImage::fromData(run("scanimage", {"-d", "test:0", "--test-picture", "Grid",
                                                     "--mode", "Color", "--resolution", "300", "-x",
                                                     "200", "-y", "200", "--format=pnm"})),
                  300);
        QCOMPARE(m_grid.size(), QSize(2362, 2362));
    }
    void init() { m_printer = std::make_unique<ApplicationPrinter>(); }

    void onThePrintersPaper_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("chosen"); // paper chosen in the printer dialog
        for (const int scale : {1, 33, 200})
            QTest::addRow("300 dpi at %d %%", scale) << 2550 << 300 << scale << 1 << "";
        QTest::newRow("96 dpi at 33 %, 5 copies") << 816 << 96 << 33 << 5 << "";
        QTest::newRow("96 dpi at 100 %, 99 copies") << 816 << 96 << 100 << 99 << "";
        QTest::newRow("A4 chosen in the dialog") << 2550 << 300 << 100 << 1 << "A4";
    }

    // One job of one document of one page on the queue's own paper (Letter,
    // not Qt's A4) or the dialog's, copies asked once; the picture at the
    // printable area's corner at scale percent of its size at its own
    // resolution, fractions of a pixel kept.
    void onThePrintersPaper()
    {
        QFETCH(int, width);
        QFETCH(int, dpi);
        QFETCH(int, scale);
        QFETCH(int, copies);
        QFETCH(QString, chosen);
        const bool a4 = chosen == "A4";
        if (a4)
            m_printer->printer().setPageSize(QPageSize(QPageSize::A4));
        Outcome outcome;
        const auto job = printOn("copier", greyPage(width, dpi), copies, scale, outcome);
        QVERIFY2(job.id > 0, qPrintable(outcome.message));
        QCOMPARE(outcome.message, QString());
        QCOMPARE(job.copies, copies);
        QCOMPARE(job.documents, 1);
        QCOMPARE(job.media, QString(a4 ? "iso_a4_210x297mm" : "na_letter_8.5x11in"));
        QCOMPARE(pageCount(m_cups.documentPath(job.id)), 1);
        const QList<double> placed = placement(m_cups.documentPath(job.id));
        const double size = scale / 100.0 * width * 72 / dpi;
        const QList<double> expected = {a4 ? 595.2756 : 612, a4 ? 841.8898 : 792, 12, 12, size,
                                        size * 4 / 3};
        QCOMPARE(placed.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(qAbs(placed[i] - expected[i]) < 1e-3,
                     qPrintable(QString("%1: %2 != %3").arg(i).arg(placed[i]).arg(expected[i])));
    }

    void trueSizeOnARealPrinter_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("media");
        QTest::addColumn<QRectF>("ink"); // mm from the page's corner
        // The printable area's corner is where the printer's own margins say:
        // 1.02 mm from the top, 6.35 mm from the side (3.4 mm on A4). At 200 %
        // the paper's edge cuts the picture.
        const QString letter = "na_letter_8.5x11in", a4 = "iso_a4_210x297mm";
        QTest::newRow("Letter 100 %")
            << "letter" << 100 << 1 << letter << QRectF(6.35, 1.02, 200, 200);
        QTest::newRow("Letter 50 %")
            << "letter" << 50 << 1 << letter << QRectF(6.35, 1.02, 100, 100);
        QTest::newRow("Letter, 2 copies")
            << "letter" << 100 << 2 << letter << QRectF(6.35, 1.02, 200, 200);
        QTest::newRow("A4 100 %") << "a4" << 100 << 1 << a4 << QRectF(3.4, 1.02, 200, 200);
        QTest::newRow("A4 50 %") << "a4" << 50 << 1 << a4 << QRectF(3.4, 1.02, 100, 100);
        QTest::newRow("A4 200 %, cut")
            << "a4" << 200 << 1 << a4 << QRectF(3.4, 1.02, 206.6, 295.98);
    }

    // Measured on what an IPP Everywhere printer received: the grid's size and
    // place, within 1 mm, and exactly as many impressions as copies.
    void trueSizeOnARealPrinter()
    {
        QFETCH(QString, queue);
        QFETCH(int, scale);
        QFETCH(int, copies);
        QFETCH(QString, media);
        QFETCH(QRectF, ink);
        const int before = m_cups.printerJobs(queue, 0).size();
        Outcome outcome;
        const auto job = printOn(queue, m_grid, copies, scale, outcome);
        QVERIFY2(job.id > 0, qPrintable(outcome.message));
        QCOMPARE(job.media, media);
        const auto held = m_cups.printerJobs(queue, before + 1);
        QCOMPARE(held.size(), before + 1);
        const QString received = m_cups.received(queue, held.last().id);
        QCOMPARE(pageCount(received) * qMax(1, held.last().copies), copies);
        const QRectF got = inkMm(received);
        const QString text = QDebug::toString(got);
        qInfo("ink at %s mm", qPrintable(text));
        const QRectF off(got.topLeft() - ink.topLeft(), got.size() - ink.size());
        QVERIFY2(qMax(qMax(qAbs(off.x()), qAbs(off.y())),
                      qMax(qAbs(off.width()), qAbs(off.height()))) <= 1.0,
                 qPrintable(text));
    }

    // "Print to file": the page on the paper chosen, in the file and in no
    // queue; a file that cannot be written is an error and the old one stays.
    void printToFile()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("copy.pdf");
        m_printer->printer().setOutputFileName(target);
        m_printer->printer().setPageSize(QPageSize(QPageSize::A5));
        const int before = m_cups.jobs("copier").size();
        const Outcome outcome = PrintCopies(greyPage(30, 300), 3, 50, *m_printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QCOMPARE(pageCount(target), 1);
        QCOMPARE(qRound(placement(target).value(0)), 420); // A5
        QCOMPARE(m_cups.jobs("copier").size(), before);

        m_printer->printer().setOutputFileName(dir.filePath("missing/copy.pdf"));
        const Outcome failed = PrintCopies(greyPage(30, 300), 3, 50, *m_printer);
        QCOMPARE(failed.message, QString("The copy could not be written to \"%1\": No such file or "
                                         "directory.")
                                     .arg(dir.filePath("missing/copy.pdf")));
        QCOMPARE(pageCount(target), 1);
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
        // Last: it stops the scheduler.
        QTest::newRow("no scheduler")
            << "copier"
            << "The printing system (CUPS) cannot be reached, so nothing was "
               "printed. Check that the CUPS service is running.";
    }

    // Each failure reaches the caller in words and spools nothing.
    void failures()
    {
        QFETCH(QString, queue);
        QFETCH(QString, words);
        QVERIFY(queue.isEmpty() || queue == "copier" || m_cups.addQueue(queue));
        m_printer->printer().setPrinterName(queue);
        QCOMPARE(m_printer->printer().printerName(), queue);
        QVERIFY(queue != "rejecting" || m_cups.rejectJobs(queue));
        QVERIFY(queue != "removed" || m_cups.deleteQueue(queue));
        if (queue == "copier")
            m_cups.stop();
        const QImage page = queue == "empty" ? QImage() : greyPage(30, 300);
        const Outcome outcome = PrintCopies(page, 4, 100, *m_printer);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, words);
        QVERIFY(queue.isEmpty() || !m_cups.isRunning() || m_cups.jobs(queue).isEmpty());
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
