// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One press of Copy on a document feeder's stack, end to end: the panel, SANE's
// test scanner's feeder (ten sheets) or the tests' duplex feeder, and a
// private CUPS. What the scheduler holds, what was saved, and the memory the
// whole stack took.
#include "CopyDriving.h"
#include "CupsTestServer.h"
#include "SaneTestScanner.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/stack/PageStack.h"
#include "panel/LabelButton.h"

#include <QDialog>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Per image of the PDF, in page order: "page:width x height@ppi".
QStringList images(const QString &pdf)
{
    QStringList said;
    const QStringList lines =
        QString::fromLocal8Bit(toolOutput("pdfimages", {"-list", pdf})).split(u'\n');
    for (const QString &line : lines.mid(2)) {
        const QStringList f = line.simplified().split(u' ');
        if (f.size() > 13)
            said << f[0] + ':' + f[3] + 'x' + f[4] + '@' + f[12];
    }
    return said;
}

// The most resident memory a process has held, from its status.
qint64 peakBytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression("VmHWM:\\s+(\\d+) kB").match(QString::fromLatin1(status.readAll()));
    return m.captured(1).toLongLong() * 1024;
}

} // namespace

class tst_copystack : public QObject
{
    Q_OBJECT

    SaneTestScanner sane;
    CupsTestServer cups;
    QTemporaryDir dir;

    // One Copy from `source` of `device`, the feeder choice as given, the
    // panel's copies and route; the save dialog answered with `name`; a
    // fault on the way answered with Copy the pages scanned or Cancel.
    void copy(SaneScannerLayer &scanner, const QString &source, bool allSheets, int copies,
              CopyRoute route, const QString &name = {}, const QString &filter = {},
              const QString &onFault = {})
    {
        ApplicationPrinter printer;
        frmMain form(scanner, printer);
        form.Form_Load();
        for (int more = 1; more < copies; ++more)
            form.counters().stepCopies(4); // up by one
        setCopyRoute(form, route);
        const auto answer = answerDialog("SaveDialog", [&](QDialog &d) {
            if (!filter.isEmpty())
                static_cast<QFileDialog &>(d).selectNameFilter(filter);
            saveAs(d, name);
        });
        auto *scan = new ScanDialogDriver(&form);
        scan->chooseResolution(scanner.currentDevice() == "faulty:0" ? 50 : 75)
            .chooseFeeder(source, allSheets)
            .pressEnter();
        if (!onFault.isEmpty())
            scan->waitForMessage().then([&](QDialog *d) {
                if (onFault == "copy")
                    d->findChild<QPushButton *>("copySoFarButton")->click();
                else
                    pressKeyOn(d, Qt::Key_Escape);
            });
        scan->start();
        QTest::mouseClick(form.lblCopy, Qt::LeftButton);
        answer->armed = false;
        QVERIFY2(scan->succeeded(), qPrintable(scan->failure()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(sane.isValid(), qPrintable(sane.errorString()));
        QVERIFY2(sane.addFaultyBackend(), qPrintable(sane.errorString()));
        QVERIFY2(cups.start(), qPrintable(cups.lastError()));
        QVERIFY(cups.addQueue("plain", false) && cups.addDuplexQueue("duplex"));
    }

    void init() { forgetKeptChoices(); }

    void print_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("allSheets");
        QTest::addColumn<QString>("queue");
        // pages, copies, document handling, sides; then the images of the PDF
        QTest::addColumn<QString>("job");
        QTest::addColumn<QStringList>("images");
        const QStringList tenSheets(10, "590x590@75");
        QStringList numbered;
        for (int page = 1; page <= 10; ++page)
            numbered << QString::number(page) + ":590x590@75";
        QTest::newRow("ten sheets, three collated copies")
            << "test:0"
            << "Automatic Document Feeder" << true << "plain"
            << "10 3 separate-documents-collated-copies -" << numbered;
        // One sheet goes as a page from the glass does.
        QTest::newRow("the feeder choice off") << "test:0"
                                               << "Automatic Document Feeder" << false << "plain"
                                               << "1 3 - -" << QStringList{"1:590x590@75"};
        QStringList sides;
        for (int page = 1; page <= 4; ++page)
            sides << QString::number(page) + ":425x584@50";
        QTest::newRow("duplex, two-sided where the printer can")
            << "faulty:0"
            << "ADF Duplex" << true << "duplex"
            << "4 3 separate-documents-collated-copies two-sided-long-edge" << sides;
    }

    void print()
    {
        QFETCH(QString, device);
        QFETCH(QString, source);
        QFETCH(bool, allSheets);
        QFETCH(QString, queue);
        QFETCH(QString, job);
        QFETCH(QStringList, images);
        QVERIFY(cups.setDefault(queue));
        SaneScannerLayer scanner;
        scanner.setCurrentDevice(device);
        scanner.setOptionPreset("sheets", 2);
        if (device == "test:0")
            scanner.clearOptionPresets();
        const int before = int(cups.jobs(queue).size());
        MessageWatcher messages;
        copy(scanner, source, allSheets, 3, CopyRoute::PrintToDefault);
        QCOMPARE(messages.texts, QStringList());
        const auto jobs = cups.jobs(queue);
        QCOMPARE(jobs.size(), before + 1); // one job
        const CupsTestServer::Job &held = jobs.last();
        const QString pdf = cups.documentPath(held.id);
        const QString none = "-";
        QCOMPARE(QStringList({QString::number(pdfPageCount(pdf)), QString::number(held.copies),
                              held.documentHandling.isEmpty() ? none : held.documentHandling,
                              held.sides.isEmpty() ? none : held.sides})
                     .join(u' '),
                 job);
        QCOMPARE(held.documents, 1);
        // In the order scanned, each at its own resolution: the original's size.
        QStringList got = ::images(pdf);
        QCOMPARE(got, images);
    }

    void save_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("existing"); // a file there before
        QTest::addColumn<bool>("yes");         // the answer to the question
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("asked");
        QStringList bitmaps{"stack.bmp"};
        for (int page = 2; page <= 10; ++page)
            bitmaps << QStringLiteral("stack-%1.bmp").arg(page);
        QTest::newRow("one PDF") << "stack"
                                 << "PDF (*.pdf)"
                                 << "" << false << QStringList{"stack.pdf"} << QStringList();
        QTest::newRow("a numbered name taken, not replaced")
            << "stack.bmp"
            << ""
            << "stack-4.bmp" << false << QStringList{"stack-4.bmp"} << QStringList{"ASKED: "};
        QTest::newRow("a numbered name taken, replaced")
            << "stack.bmp"
            << ""
            << "stack-4.bmp" << true << bitmaps << QStringList{"ASKED: "};
    }

    void save()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, existing);
        QFETCH(bool, yes);
        QFETCH(QStringList, files);
        QFETCH(QStringList, asked);
        QTemporaryDir folder;
        if (!existing.isEmpty()) {
            QFile taken(folder.filePath(existing));
            QVERIFY(taken.open(QIODevice::WriteOnly) && taken.write("mine") == 4);
        }
        SaneScannerLayer scanner;
        scanner.setCurrentDevice("test:0");
        MessageWatcher messages;
        messages.answerYes = yes;
        copy(scanner, "Automatic Document Feeder", true, 1, CopyRoute::Save, folder.filePath(typed),
             filter);
        QCOMPARE(messages.texts.size(), asked.size());
        for (int i = 0; i < asked.size(); ++i)
            QVERIFY2(messages.texts[i].startsWith(asked[i]), qPrintable(messages.texts[i]));
        QStringList there = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
        std::sort(files.begin(), files.end());
        QCOMPARE(there, files);
        if (!existing.isEmpty() && !yes) {
            QFile taken(folder.filePath(existing));
            QVERIFY(taken.open(QIODevice::ReadOnly));
            QCOMPARE(taken.readAll(), QByteArray("mine"));
        }
        if (files.first().endsWith(".pdf"))
            QCOMPARE(pdfPageCount(folder.filePath(files.first())), 10);
    }

    void faultMidStack_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("pages"); // printed; 0: no job at all
        QTest::newRow("a jam on the third sheet, the pages scanned copied") << "copy" << 2;
        QTest::newRow("a jam on the third sheet, cancelled") << "cancel" << 0;
    }

    // A fault on the way, through the whole command: exactly the pages
    // scanned before it are printed, or with Cancel nothing; no spool stays.
    void faultMidStack()
    {
        QFETCH(QString, choice);
        QFETCH(int, pages);
        QVERIFY(cups.setDefault("plain"));
        SaneScannerLayer scanner;
        scanner.setCurrentDevice("faulty:0");
        scanner.setOptionPreset("sheets", 5);
        scanner.setOptionPreset("fault-page", 3);
        scanner.setOptionPreset("fault", "jam");
        const int before = int(cups.jobs("plain").size());
        MessageWatcher messages;
        copy(scanner, "ADF", true, 1, CopyRoute::PrintToDefault, {}, {}, choice);
        QCOMPARE(messages.texts, QStringList());
        const auto jobs = cups.jobs("plain");
        QCOMPARE(jobs.size(), before + (pages > 0));
        if (pages > 0)
            QCOMPARE(pdfPageCount(cups.documentPath(jobs.last().id)), pages);
        QCOMPARE(QDir(PageStack::spoolFolder()).entryList({"mirel-pages-*"}, QDir::Dirs),
                 QStringList());
    }

    // Ten sheets at 300 dpi in colour take no more memory, here and in the
    // scanner's helper, than one page twice over and 80 MiB.
    void memoryOfAWholeStack()
    {
        QVERIFY(cups.setDefault("plain"));
        SaneScannerLayer scanner;
        scanner.setCurrentDevice("test:0");
        ApplicationPrinter printer;
        frmMain form(scanner, printer);
        form.Form_Load();
        setCopyRoute(form, CopyRoute::PrintToDefault);
        qint64 helperPeak = -1;
        auto *scan = new ScanDialogDriver(&form);
        scan->chooseResolution(300)
            .chooseMode("Color")
            .chooseFeeder("Automatic Document Feeder")
            .pressEnter()
            .start();
        MessageWatcher messages;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            helperPeak = qMax(helperPeak, peakBytes(scanner.session().helperProcessId()));
        });
        watch.start(100);
        const int before = int(cups.jobs("plain").size());
        QTest::mouseClick(form.lblCopy, Qt::LeftButton);
        helperPeak = qMax(helperPeak, peakBytes(scanner.session().helperProcessId()));
        QVERIFY2(scan->succeeded(), qPrintable(scan->failure()));
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(int(cups.jobs("plain").size()), before + 1);
        QCOMPARE(pdfPageCount(cups.documentPath(cups.jobs("plain").last().id)), 10);
#ifdef __SANITIZE_ADDRESS__
        QSKIP("The address sanitizer keeps freed memory aside: resident memory says nothing here.");
#endif
        const qint64 page = 2362LL * 2362 * 3; // 200 mm square at 300 dpi
        const qint64 limit = page * 2 + (80LL << 20);
        QCOMPARE_LE(peakBytes(QCoreApplication::applicationPid()), limit);
        QCOMPARE_GT(helperPeak, 0);
        QCOMPARE_LE(helperPeak, limit);
    }
};

QTEST_MAIN(tst_copystack)
#include "tst_copystack.moc"
