// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print job, through a private CUPS scheduler: what lands in the queue's
// spool (jobs, copies, pages, the picture's place and size, its encoding) and
// what the caller hears when the queue, the scheduler or the clipboard fails.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "harness/CupsTestServer.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

namespace {

// A colour page that compresses well: a tint with a few bands of other colours.
QImage colourPage(int width, int height, int dpi)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(QColor(250, 245, 230));
    QPainter painter(&page);
    painter.fillRect(QRect(0, 0, width, height / 10), QColor(200, 30, 90));
    painter.fillRect(QRect(0, height / 2, width / 3, height / 8), QColor(20, 120, 220));
    painter.end();
    const int dotsPerMeter = qRound(dpi / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

// Photo-like noise, which Qt would store as JPEG if it were allowed to.
QImage noisyPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    QRandomGenerator random(4711);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(page.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return page;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>")
            .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int pageCount(const QString &pdfPath)
{
    const auto match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption)
                           .match(run(QStringLiteral("pdfinfo"), {pdfPath}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A PDF object's stream, inflated when it is Flate-encoded.
QByteArray objectStream(const QByteArray &pdf, int object)
{
    const qsizetype start = pdf.indexOf("\n" + QByteArray::number(object) + " 0 obj");
    if (start < 0)
        return {};
    const qsizetype dictEnd = pdf.indexOf("stream", start);
    const qsizetype dataStart = pdf.indexOf('\n', dictEnd) + 1;
    const qsizetype dataEnd = pdf.indexOf("endstream", dataStart);
    if (dictEnd < 0 || dataStart <= 0 || dataEnd < 0)
        return {};
    const QByteArray data = pdf.mid(dataStart, dataEnd - dataStart);
    if (!pdf.mid(start, dictEnd - start).contains("/FlateDecode"))
        return data;
    // qUncompress wants zlib data behind a 4-byte size hint; it grows past it.
    return qUncompress(QByteArray("\0\0\x10\0", 4) + data);
}

// Where the first image of the first page sits: its box in PDF points with
// the origin at the top-left corner of the page.
struct Placement
{
    QRectF box;
    QSizeF page;
};

Placement imagePlacement(const QByteArray &pdf)
{
    Placement result;
    const auto media = QRegularExpression(QStringLiteral("/MediaBox \\[([-\\d.]+) ([-\\d.]+) "
                                                         "([-\\d.]+) ([-\\d.]+)\\]"))
                           .match(QString::fromLatin1(pdf));
    if (!media.hasMatch())
        return result;
    result.page = QSizeF(media.captured(3).toDouble(), media.captured(4).toDouble());
    const auto contents =
        QRegularExpression(QStringLiteral("/Contents (\\d+) 0 R")).match(QString::fromLatin1(pdf));
    if (!contents.hasMatch())
        return result;

    // Follow the graphics state's matrix through q, Q and cm up to the image.
    QTransform ctm;
    QList<QTransform> saved;
    QList<double> operands;
    const QByteArray content = objectStream(pdf, contents.captured(1).toInt());
    for (const QByteArray &token : content.simplified().split(' ')) {
        bool isNumber = false;
        const double value = token.toDouble(&isNumber);
        if (isNumber) {
            operands.append(value);
            continue;
        }
        if (token == "q") {
            saved.append(ctm);
        } else if (token == "Q" && !saved.isEmpty()) {
            ctm = saved.takeLast();
        } else if (token == "cm" && operands.size() >= 6) {
            const auto m = operands.mid(operands.size() - 6);
            ctm = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * ctm;
        } else if (token == "Do") {
            const QRectF box = ctm.mapRect(QRectF(0, 0, 1, 1));
            result.box =
                QRectF(box.left(), result.page.height() - box.bottom(), box.width(), box.height());
            return result;
        }
        if (!token.startsWith('/'))
            operands.clear();
    }
    return result;
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void applicationPrinterIsTheDefault();
    void copies_data();
    void copies();
    void placement_data();
    void placement();
    void lossless();
    void printToFile();
    void pausedQueueHoldsTheJob();
    void failures_data();
    void failures();
    // Last: it stops the scheduler.
    void noScheduler();

private:
    // Prints the clipboard on a queue and returns the one job it added.
    CupsTestServer::Job printOnce(const QString &queue, qint16 copies, qint16 scale,
                                  Outcome *outcome = nullptr);

    CupsTestServer m_cups;
    ApplicationPrinter m_printer;
};

void TestPrintJob::initTestCase()
{
    QVERIFY2(m_cups.start(), qPrintable(m_cups.lastError()));
    QVERIFY2(m_cups.addQueue(QStringLiteral("copier")), qPrintable(m_cups.lastError()));
    QVERIFY2(m_cups.addQueue(QStringLiteral("other")), qPrintable(m_cups.lastError()));
    QVERIFY2(m_cups.setDefault(QStringLiteral("other")), qPrintable(m_cups.lastError()));
}

void TestPrintJob::init()
{
    QGuiApplication::clipboard()->setImage(colourPage(300, 200, 300));
}

// The printer is made on first use, on the system's default queue, not the first one.
void TestPrintJob::applicationPrinterIsTheDefault()
{
    QVERIFY(!m_printer.created());
    QCOMPARE(m_printer.printer().printerName(), QStringLiteral("other"));
    QVERIFY(m_printer.created());
    m_printer.printer().setPrinterName(QStringLiteral("copier"));
    QCOMPARE(m_printer.printer().printerName(), QStringLiteral("copier"));
}

CupsTestServer::Job TestPrintJob::printOnce(const QString &queue, qint16 copies, qint16 scale,
                                            Outcome *outcome)
{
    m_printer.printer().setPrinterName(queue);
    const int before = m_cups.jobs(queue).size();
    const Outcome result =
        PrintCopies(QGuiApplication::clipboard()->image(), copies, scale, m_printer);
    if (outcome)
        *outcome = result;
    const auto jobs = m_cups.jobs(queue);
    if (!result.ok || jobs.size() != before + 1)
        return {};
    return jobs.last();
}

void TestPrintJob::copies_data()
{
    QTest::addColumn<qint16>("copies");
    QTest::newRow("1") << qint16(1);
    QTest::newRow("5") << qint16(5);
    QTest::newRow("99") << qint16(99);
}

// The printer makes the copies: one job, one document, one page, copies = counter.
void TestPrintJob::copies()
{
    QFETCH(qint16, copies);
    Outcome outcome;
    const auto job = printOnce(QStringLiteral("copier"), copies, 100, &outcome);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(outcome.message, QString());
    QVERIFY(job.id > 0);
    QCOMPARE(job.copies, int(copies));
    QCOMPARE(job.documents, 1);
    QVERIFY(QFile::exists(m_cups.documentPath(job.id)));
    QVERIFY(!QFile::exists(m_cups.documentPath(job.id, 2)));
    QCOMPARE(pageCount(m_cups.documentPath(job.id)), 1);
}

void TestPrintJob::placement_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<qint16>("scale");

    for (const qint16 scale : {1, 33, 50, 100, 200})
        QTest::addRow("letter 300 dpi at %d %%", scale) << 2550 << 3300 << 300 << scale;
    for (const qint16 scale : {33, 100, 200})
        QTest::addRow("letter 96 dpi at %d %%", scale) << 816 << 1056 << 96 << scale;
}

// The picture starts at the printable area's corner and measures scale percent
// of its own size at its own resolution, fractions of a device pixel kept.
void TestPrintJob::placement()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, dpi);
    QFETCH(qint16, scale);

    QGuiApplication::clipboard()->setImage(colourPage(width, height, dpi));
    Outcome outcome;
    const auto job = printOnce(QStringLiteral("copier"), 1, scale, &outcome);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QVERIFY(job.id > 0);

    const QPageLayout layout = m_printer.printer().pageLayout();
    const QMarginsF margins = layout.marginsPoints();
    // Otherwise the printable area could not be told from the page corner.
    QVERIFY(margins.left() > 0 && margins.top() > 0);

    const Placement placed = imagePlacement(m_cups.document(job.id));
    QVERIFY(!placed.page.isEmpty());
    QCOMPARE(placed.page, layout.fullRectPoints().size().toSizeF());
    // At 100 % a 300 dpi letter page measures 612 x 792 points: 8.5 x 11 inches.
    const double points = 72.0 / dpi;
    const double expectedWidth = (scale / 100.0) * width * points;
    const double expectedHeight = (scale / 100.0) * height * points;
    QVERIFY2(qAbs(placed.box.left() - margins.left()) < 1e-3,
             qPrintable(QString::number(placed.box.left())));
    QVERIFY2(qAbs(placed.box.top() - margins.top()) < 1e-3,
             qPrintable(QString::number(placed.box.top())));
    // 33 % of 2,550 pixels is 841.5: a whole pixel more or less is 0.24 points.
    QVERIFY2(qAbs(placed.box.width() - expectedWidth) < 1e-3,
             qPrintable(QStringLiteral("%1 != %2").arg(placed.box.width()).arg(expectedWidth)));
    QVERIFY2(qAbs(placed.box.height() - expectedHeight) < 1e-3,
             qPrintable(QStringLiteral("%1 != %2").arg(placed.box.height()).arg(expectedHeight)));
}

// A colour page reaches the queue pixel for pixel: no JPEG on the way.
void TestPrintJob::lossless()
{
    const QImage original = noisyPage(240, 180);
    // The same page through a painter without the hint does come out as JPEG,
    // so this page tells the two apart.
    {
        QByteArray plain;
        QBuffer buffer(&plain);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.drawImage(QPointF(0, 0), original);
        painter.end();
        QVERIFY(plain.contains("/DCTDecode"));
    }

    QGuiApplication::clipboard()->setImage(original);
    const auto job = printOnce(QStringLiteral("copier"), 1, 100);
    QVERIFY(job.id > 0);
    QVERIFY(!m_cups.document(job.id).contains("/DCTDecode"));

    QTemporaryDir dir;
    run(QStringLiteral("pdfimages"),
        {QStringLiteral("-png"), m_cups.documentPath(job.id), dir.filePath(QStringLiteral("img"))});
    const QImage extracted(dir.filePath(QStringLiteral("img-000.png")));
    QCOMPARE(extracted.convertToFormat(QImage::Format_RGB888),
             original.convertToFormat(QImage::Format_RGB888));
}

// "Print to file": the same one-page document in the file, no job anywhere;
// a file that cannot be written is an error and the old one stays whole.
void TestPrintJob::printToFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("copy.pdf"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older copy");
    }
    ApplicationPrinter printer;
    printer.printer().setOutputFileName(target);
    const int before =
        m_cups.jobs(QStringLiteral("copier")).size() + m_cups.jobs(QStringLiteral("other")).size();
    qint16 copies = 3;
    const Outcome outcome = PrintCopies(QGuiApplication::clipboard()->image(), copies, 50, printer);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(pageCount(target), 1);
    QCOMPARE(m_cups.jobs(QStringLiteral("copier")).size() +
                 m_cups.jobs(QStringLiteral("other")).size(),
             before);

    printer.printer().setOutputFileName(dir.filePath(QStringLiteral("missing/copy.pdf")));
    const Outcome failed = PrintCopies(QGuiApplication::clipboard()->image(), copies, 50, printer);
    QVERIFY(!failed.ok);
    QVERIFY2(failed.message.contains(QStringLiteral("missing/copy.pdf")),
             qPrintable(failed.message));
    QCOMPARE(pageCount(target), 1);
}

// A paused queue takes the job and holds it; the caller hears it waits, and
// the job is there once.
void TestPrintJob::pausedQueueHoldsTheJob()
{
    QVERIFY(m_cups.addQueue(QStringLiteral("paused")));
    QVERIFY(m_cups.stopQueue(QStringLiteral("paused")));
    Outcome outcome;
    const auto job = printOnce(QStringLiteral("paused"), 2, 100, &outcome);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(outcome.message, QStringLiteral("paused is paused; the copy waits in its queue."));
    QVERIFY(job.id > 0);
    QCOMPARE(job.state, QStringLiteral("pending"));
    QCOMPARE(job.copies, 2);
    QCOMPARE(m_cups.jobs(QStringLiteral("paused")).size(), 1);
}

void TestPrintJob::failures_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("words");

    QTest::newRow("queue rejects jobs") << "rejecting"
                                        << "not accepting jobs";
    QTest::newRow("queue removed after it was chosen") << "removed"
                                                       << "does not exist";
    QTest::newRow("no page") << "empty clipboard"
                             << "There is no scanned page, so nothing was printed.";
    QTest::newRow("no printer at all") << "no printer"
                                       << "No printer is installed";
}

// Each failure reaches the caller in words, spools nothing, and the next copy
// prints normally.
void TestPrintJob::failures()
{
    QFETCH(QString, situation);
    QFETCH(QString, words);

    const QString queue = situation.section(u' ', 0, 0);
    QVERIFY(m_cups.addQueue(queue));
    m_printer.printer().setPrinterName(queue);
    QCOMPARE(m_printer.printer().printerName(), queue);
    if (situation == QLatin1String("rejecting"))
        QVERIFY(m_cups.rejectJobs(queue));
    else if (situation == QLatin1String("removed"))
        QVERIFY(m_cups.deleteQueue(queue));
    else if (situation == QLatin1String("empty clipboard"))
        QGuiApplication::clipboard()->clear();
    else if (situation == QLatin1String("text clipboard"))
        QGuiApplication::clipboard()->setText(QStringLiteral("not a picture"));
    else if (situation == QLatin1String("no printer"))
        m_printer.printer().setPrinterName(QString());

    qint16 copies = 4;
    const Outcome outcome =
        PrintCopies(QGuiApplication::clipboard()->image(), copies, 100, m_printer);
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.contains(words), qPrintable(outcome.message));
    QCOMPARE(copies, qint16(4));
    if (situation != QLatin1String("removed"))
        QCOMPARE(m_cups.jobs(queue).size(), 0);

    QGuiApplication::clipboard()->setImage(colourPage(300, 200, 300));
    const auto job = printOnce(QStringLiteral("copier"), 1, 100);
    QVERIFY(job.id > 0);
}

void TestPrintJob::noScheduler()
{
    m_printer.printer().setPrinterName(QStringLiteral("copier"));
    m_cups.stop();
    qint16 copies = 1;
    const Outcome outcome =
        PrintCopies(QGuiApplication::clipboard()->image(), copies, 100, m_printer);
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.message.contains(QStringLiteral("CUPS")), qPrintable(outcome.message));
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
