// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A stack of pages printed through a private CUPS scheduler: one job of one
// document with every page in order at its true size, the copies collated by
// the printer, both sides of the sheet only for a duplex stack on a queue
// that can, and a page that went missing on the way.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintJob.h"
#include "copyjob/stack/PageStack.h"
#include "harness/CupsTestServer.h"
#include "harness/StackPages.h"
#include "harness/TestSupport.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

#include <cups/ipp.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each page's paper and the box its picture is drawn into, in points from the
// paper's top-left corner, in the order of the pages' content streams.
QStringList placements(const QByteArray &pdf)
{
    QStringList pages;
    auto boxes = QRegularExpression("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]").globalMatch(pdf);
    auto draws = QRegularExpression("stream\\nq\\n([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) "
                                    "([-\\d.]+) cm")
                     .globalMatch(pdf);
    while (boxes.hasNext() && draws.hasNext()) {
        const auto box = boxes.next(), draw = draws.next();
        const double height = box.captured(2).toDouble();
        pages << QString::asprintf(
            "%s x %s: %.3f x %.3f at %.3f, %.3f", qPrintable(box.captured(1)),
            qPrintable(box.captured(2)), draw.captured(1).toDouble(), draw.captured(2).toDouble(),
            draw.captured(3).toDouble(),
            height - draw.captured(4).toDouble() - draw.captured(2).toDouble());
    }
    return pages;
}

// What placements() reads for the stack's pages on Letter with 12 pt margins.
QStringList onLetter(int count, int scale)
{
    QStringList pages;
    for (int i = 0; i < count; ++i) {
        const QImage page = stackPage(i);
        const double points = 72.0 / qRound(page.dotsPerMeterX() * 0.0254) * scale / 100;
        pages << QString::asprintf("612 x 792: %.3f x %.3f at 12.000, 12.000",
                                   page.width() * points, page.height() * points);
    }
    return pages;
}

} // namespace

class TestPrintStack : public QObject
{
    Q_OBJECT

    CupsTestServer m_cups;
    std::unique_ptr<ApplicationPrinter> m_printer;

    std::unique_ptr<PageStack> stackOf(int count, bool duplex = false)
    {
        auto stack = std::make_unique<PageStack>();
        stack->setDuplex(duplex);
        QString error;
        for (int i = 0; i < count; ++i)
            if (!stack->takePage(stackPage(i), &error))
                qWarning("page %d not taken: %s", i, qPrintable(error));
        return stack;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_cups.start(), qPrintable(m_cups.lastError()));
        // CUPS's generic PostScript PPD (Letter, 12 pt margins), once without
        // and once with its duplexer.
        QVERIFY2(m_cups.addQueue("copier"), qPrintable(m_cups.lastError()));
        QVERIFY2(m_cups.addDuplexQueue("duplex"), qPrintable(m_cups.lastError()));
        // And a printer of its own that prints both sides.
        QVERIFY2(m_cups.addEverywhereQueue("printer", true), qPrintable(m_cups.lastError()));
    }
    void init() { m_printer = std::make_unique<ApplicationPrinter>(); }

    void tenPages_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("copies");
        QTest::newRow("100 %, 3 copies") << 100 << 3;
        QTest::newRow("33 %, 1 copy") << 33 << 1;
    }

    // One job of one document, its copies asked once and collated; the ten
    // pages in order, each at the corner of the printable area at scale
    // percent of its true size.
    void tenPages()
    {
        QFETCH(int, scale);
        QFETCH(int, copies);
        QVERIFY(m_cups.setDefault("copier"));
        const auto stack = stackOf(10);
        QCOMPARE(stack->count(), 10);
        const int before = m_cups.jobs("copier").size();
        const Outcome outcome = PrintStackCopies(*stack, copies, scale, *m_printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        const auto jobs = m_cups.jobs("copier");
        QCOMPARE(jobs.size(), before + 1);
        QCOMPARE(QList<int>({jobs.last().copies, jobs.last().documents}), QList<int>({copies, 1}));
        QCOMPARE(jobs.last().documentHandling, QString("separate-documents-collated-copies"));
        const QString spooled = m_cups.documentPath(jobs.last().id);
        QCOMPARE(pdfPageCount(spooled), 10);
        QCOMPARE(placements(contents(spooled)), onLetter(10, scale));
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
            << "printer" << true << "two-sided-long-edge";
    }

    // Both sides of the sheet for the two sides of each original, where the
    // queue says it can; one side otherwise, even where the queue's own
    // default is two.
    void sides()
    {
        QFETCH(QString, queue);
        QFETCH(bool, duplex);
        QFETCH(QString, sides);
        QVERIFY(m_cups.setDefault(queue));
        const auto stack = stackOf(4, duplex);
        const Outcome outcome = PrintStackCopies(*stack, 2, 100, *m_printer);
        QVERIFY2(outcome.ok, qPrintable(outcome.message));
        const auto jobs = m_cups.jobs(queue);
        QVERIFY(!jobs.isEmpty());
        QCOMPARE(jobs.last().sides, sides);
        QCOMPARE(pdfPageCount(m_cups.documentPath(jobs.last().id)), 4);
        if (queue != "printer")
            return;
        // What the printer was asked for, past CUPS's filters.
        const auto held = m_cups.printerJobs(queue, jobs.size());
        QVERIFY(!held.isEmpty());
        QCOMPARE(held.last().sides, sides);
    }

    // A page whose spool went missing stops the job that was being sent: the
    // scheduler cancels it, and the words say which page.
    void lostPageCancelsTheJob()
    {
        QVERIFY(m_cups.setDefault("copier"));
        const auto stack = stackOf(3);
        QVERIFY(QFile::remove(stack->description(1).file));
        const int before = m_cups.jobs("copier").size();
        const Outcome outcome = PrintStackCopies(*stack, 2, 100, *m_printer);
        QCOMPARE(outcome.message, QString("Scanned page 2 could not be read back: No such file or "
                                          "directory. Nothing was printed."));
        QVERIFY(!outcome.ok);
        const auto jobs = m_cups.jobs("copier");
        QCOMPARE(jobs.size(), before + 1);
        QCOMPARE(jobs.last().state, int(IPP_JSTATE_CANCELED));
    }
};

QTEST_MAIN(TestPrintStack)
#include "tst_printstack.moc"
