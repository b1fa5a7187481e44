// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print job through a private CUPS scheduler: what lands in the spool and
// what real printers receive (size and place of the copy, copies, paper), and
// what the caller hears when the queue, the scheduler or the page fails.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "harness/CupsTestServer.h"
#include "harness/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <cups/cups.h>

namespace {

// Four thirds as tall as wide, so a page turned on its side shows.
QImage greyPage(int width, int dpi)
{
    QImage page(width, width * 4 / 3, QImage::Format_Grayscale8);
    page.fill(90);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    return page;
}

QList<double> numbers(const QByteArray &text, const QString &pattern)
{
    const auto match = QRegularExpression(pattern).match(QString::fromLatin1(text));
    QList<double> values;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i)
        values << match.captured(i).toDouble();
    return values;
}

// In thousandths of a point, so that rows compare as lists.
QStringList points(const QList<double> &values)
{
    QStringList text;
    for (const double value : values)
        text << QString::number(value, 'f', 3);
    return text;
}

// The page's size and the box the picture is drawn into, in points from the
// page's top-left, read from the page's content stream.
QStringList placement(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray pdf = file.readAll();
    const QList<double> page = numbers(pdf, "/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]");
    const QList<double> cm =
        numbers(pdf, "stream\\nq\\n([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm");
    if (page.size() != 2 || cm.size() != 4)
        return {};
    return points({page[0], page[1], cm[2], page[1] - cm[3] - cm[1], cm[0], cm[1]});
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

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

    CupsTestServer m_cups;
    std::unique_ptr<ApplicationPrinter> m_printer;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.lastError()));
        // CUPS's generic PPD: Letter, 12 pt margins; Qt's own default here is A4.
        QVERIFY2(m_cups.addQueue("copier"), qPrintable(m_cups.lastError()));
        QVERIFY2(m_cups.addEverywhereQueue("inkjet"), qPrintable(m_cups.lastError()));
    }
    void init() { m_printer = std::make_unique<ApplicationPrinter>(); }

    void onThePrintersPaper_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("a4");    // chosen in the printer dialog
        QTest::addColumn<QRectF>("ink"); // mm from the corner of what the printer got
        for (const int scale : {1, 33, 200})
            QTest::addRow("300 dpi at %d %%", scale)
                << "copier" << 2550 << 300 << scale << 1 << false << QRectF();
        QTest::newRow("96 dpi, 99 copies")
            << "copier" << 816 << 96 << 100 << 99 << false << QRectF();
        QTest::newRow("A4 chosen in the dialog")
            << "copier" << 2550 << 300 << 100 << 1 << true << QRectF();
        // The printable area's corner is where the printer's own margins say:
        // 1.02 mm from the top, 6.35 mm from the side (3.4 mm on A4). At 200 %
        // the paper's edge cuts the picture.
        QTest::newRow("printer, 2 copies")
            << "inkjet" << 2362 << 300 << 100 << 2 << false << QRectF(6.35, 1.02, 200, 266.6);
        QTest::newRow("printer, A4 at 50 %")
            << "inkjet" << 2362 << 300 << 50 << 1 << true << QRectF(3.4, 1.02, 100, 133.3);
        QTest::newRow("printer, A4 at 200 %, cut")
            << "inkjet" << 2362 << 300 << 200 << 1 << true << QRectF(3.4, 1.02, 206.6, 295.98);
    }

    // One job of one document of one page on the queue's own paper (Letter,
    // not Qt's A4) or the dialog's, copies asked once; the picture at the
    // printable area's corner at scale percent of its size at its own
    // resolution, fractions of a pixel kept. What an IPP Everywhere printer
    // received shows the picture's size and place within 1 mm, and exactly as
    // many impressions as copies.
    void onThePrintersPaper()
    {
        QFETCH(QString, queue);
        QFETCH(int, width);
        QFETCH(int, dpi);
        QFETCH(int, scale);
        QFETCH(int, copies);
        QFETCH(bool, a4);
        QFETCH(QRectF, ink);
        QVERIFY(m_cups.setDefault(queue));
        if (a4)
            m_printer->printer().setPageSize(QPageSize(QPageSize::A4));
        const int before = m_cups.jobs(queue).size();
        const Outcome outcome = PrintCopies(greyPage(width, dpi), copies, scale, *m_printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        const auto jobs = m_cups.jobs(queue);
        QCOMPARE(jobs.size(), before + 1);
        QCOMPARE(QList<int>({jobs.last().copies, jobs.last().documents}), QList<int>({copies, 1}));
        QCOMPARE(jobs.last().media, QString(a4 ? "iso_a4_210x297mm" : "na_letter_8.5x11in"));
        const QString spooled = m_cups.documentPath(jobs.last().id);
        QCOMPARE(pdfPageCount(spooled), 1);
        const double size = scale / 100.0 * width * 72 / dpi;
        if (ink.isNull()) {
            QCOMPARE(placement(spooled), points({a4 ? 595.2756 : 612, a4 ? 841.8898 : 792, 12, 12,
                                                 size, size * 4 / 3}));
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

    // "Print to file": the page on the paper chosen, in the file and in no
    // queue; a file that cannot be written is an error and the old one stays.
    void printToFile()
    {
        QVERIFY(m_cups.setDefault("copier"));
        QTemporaryDir dir;
        const QString target = dir.filePath("copy.pdf");
        m_printer->printer().setOutputFileName(target);
        m_printer->printer().setPageSize(QPageSize(QPageSize::A5));
        const int before = m_cups.jobs("copier").size();
        const Outcome outcome = PrintCopies(greyPage(30, 300), 3, 50, *m_printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        QCOMPARE(pdfPageCount(target), 1);
        QCOMPARE(placement(target), points({419.5276, 595.2756, 0, 0, 3.6, 4.8})); // A5
        QCOMPARE(m_cups.jobs("copier").size(), before);

        m_printer->printer().setOutputFileName(dir.filePath("missing/copy.pdf"));
        const Outcome failed = PrintCopies(greyPage(30, 300), 3, 50, *m_printer);
        QCOMPARE(failed.message, QString("The copy could not be written to \"%1\": No such file or "
                                         "directory.")
                                     .arg(dir.filePath("missing/copy.pdf")));
        QCOMPARE(pdfPageCount(target), 1);
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
        // Pointed at a port nobody serves, while the scheduler runs on its own.
        QTest::newRow("no scheduler")
            << "copier"
            << "The printing system (CUPS) cannot be reached, so nothing was "
               "printed. Check that the CUPS service is running.";
    }

    // Each failure reaches the caller in words and spools nothing on any
    // queue, the default one included: the spool keeps every document taken.
    void failures()
    {
        QFETCH(QString, queue);
        QFETCH(QString, words);
        QVERIFY(queue.isEmpty() || queue == "copier" || m_cups.addQueue(queue));
        QVERIFY(m_cups.setDefault("copier"));
        m_printer->printer().setPrinterName(queue);
        QVERIFY(queue != "rejecting" || m_cups.rejectJobs(queue));
        QVERIFY(queue != "removed" || m_cups.deleteQueue(queue));
        const auto spooled = [this] { return QDir(m_cups.root() + "/spool", "d*").count(); };
        const uint before = spooled();
        if (queue == "copier")
            cupsSetServer("127.0.0.1:1");
        const QImage page = queue == "empty" ? QImage() : greyPage(30, 300);
        const Outcome outcome = PrintCopies(page, 4, 100, *m_printer);
        cupsSetServer(m_cups.serverName().toUtf8().constData());
        QCOMPARE(spooled(), before);
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, words);
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
