// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A document feeder's whole stack in one Scan: SANE's test backend's feeder,
// and the tests' faulty backend for a duplex feeder and faults on a given page.

#include "common/PageSink.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

namespace {

// Keeps what it is given, as the Copy command's spool does; refuses page
// `refuse` (from 1) as a full disk would.
struct KeptPages : PageSink
{
    QList<QImage> pages;
    int refuse = 0;
    Outcome takePage(const QImage &page) override
    {
        if (pages.size() + 1 == refuse)
            return Outcome::failure(QStringLiteral("No room."));
        pages.append(page);
        return Outcome::success();
    }
};

// Page n of the faulty backend's feeder: its pattern shifted by 16 (n - 1).
int pageNumber(const QImage &page)
{
    return page.isNull() ? 0 : page.constScanLine(0)[0] / 16 + 1;
}

QString numbers(const QList<QImage> &pages)
{
    QStringList said;
    for (const QImage &page : pages)
        said << QString::number(pageNumber(page));
    return said.join(u' ');
}

} // namespace

class tst_ScanStack : public QObject
{
    Q_OBJECT

    SaneTestScanner m_scanner;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_scanner.isValid(), qPrintable(m_scanner.errorString()));
        QVERIFY2(m_scanner.addFaultyBackend(), qPrintable(m_scanner.errorString()));
        LetDriverCrashesThrough();
    }

    void init() { forgetKeptChoices(); }

    void stacks_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("allSheets");
        QTest::addColumn<QString>("pages"); // as numbered by the faulty feeder
        QTest::addColumn<bool>("duplex");
        QTest::newRow("test backend's feeder: its ten sheets")
            << "test:0"
            << "Automatic Document Feeder" << true << "1 1 1 1 1 1 1 1 1 1" << false;
        QTest::newRow("duplex: front and back of three sheets")
            << "faulty:0"
            << "ADF Duplex" << true << "1 2 3 4 5 6" << true;
        QTest::newRow("feeder, one sheet chosen") << "faulty:0"
                                                  << "ADF" << false << "1" << false;
    }

    void stacks()
    {
        QFETCH(QString, device);
        QFETCH(QString, source);
        QFETCH(bool, allSheets);
        QFETCH(QString, pages);
        QFETCH(bool, duplex);
        SaneScannerLayer layer;
        layer.setCurrentDevice(device);
        layer.setOptionPreset(QStringLiteral("sheets"), 3);
        if (device == "test:0")
            layer.clearOptionPresets();
        KeptPages kept;
        ScanDialogDriver driver;
        driver.chooseResolution(device == "test:0" ? 75 : 50)
            .chooseFeeder(source, allSheets)
            .pressEnter()
            .start();
        const StackResult result = layer.AcquireStack(nullptr, 0, kept);
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        QCOMPARE(result.pages, int(kept.pages.size()));
        QCOMPARE(device == "test:0" ? QString::number(kept.pages.size()) : numbers(kept.pages),
                 device == "test:0" ? QString::number(pages.count(u' ') + 1) : pages);
        QCOMPARE(result.duplex, duplex);
        // The clipboard holds the last page.
        QCOMPARE(QGuiApplication::clipboard()->image().size(), kept.pages.last().size());
        // The next dialog shows the choice as it was left for this device.
        bool shown = false;
        ScanDialogDriver next;
        next.until([&](QDialog *d) {
                auto *box = d->findChild<QCheckBox *>(QStringLiteral("allSheetsBox"));
                if (!scanDialogReady(d))
                    return false;
                shown = box->isVisible() && box->isChecked();
                return true;
            })
            .pressEscape()
            .start();
        QCOMPARE(layer.AcquireStack(nullptr, 0, kept).pages, 0);
        QCOMPARE(shown, allSheets);
    }

    void faultsMidStack_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("choice"); // copy or retry; the rest is tst_scanflow's
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("pages");
        const QString choices = " | Retry from the &next sheet | Cancel";
        const auto row = [](const char *name, const char *fault, const char *choice,
                            const QString &message, const char *pages) {
            QTest::newRow(name) << fault << choice << message << pages;
        };
        row("jam, on from the next sheet", "jam", "retry",
            "Page 3: Document feeder jammed" + choices, "1 2 4 5");
        row("cover open, on", "cover-open", "retry", "Page 3: Scanner cover is open" + choices,
            "1 2 4 5");
        row("I/O error, copy", "io-error", "copy",
            "Page 3: The scanner could not be reached (input/output error). Check its cable "
            "and power." +
                choices,
            "1 2");
        row("driver crash, copy", "segfault", "copy",
            "Page 3: The scanner driver stopped working for faulty:0 (it was ended by signal "
            "11, Segmentation fault). Choose Retry to start it again." +
                choices,
            "1 2");
        row("stalled, copy", "hang", "copy",
            "The scanner has sent nothing for 1 seconds. | &Keep waiting | Cancel", "1 2");
    }

    // Five sheets, a fault on the third: the two before it stay.
    void faultsMidStack()
    {
        QFETCH(QString, fault);
        QFETCH(QString, choice);
        QFETCH(QString, message);
        QFETCH(QString, pages);
        SaneScannerLayer layer;
        layer.setCurrentDevice(QStringLiteral("faulty:0"));
        layer.session().setStallAfterDataSeconds(1);
        layer.setOptionPreset(QStringLiteral("sheets"), 5);
        layer.setOptionPreset(QStringLiteral("fault-page"), 3);
        layer.setOptionPreset(QStringLiteral("fault"), fault);
        KeptPages kept;
        ScanDialogDriver driver;
        driver.chooseResolution(50)
            .chooseFeeder(QStringLiteral("ADF"))
            .pressEnter()
            .waitForMessage();
        driver.then([&](QDialog *d) {
            layer.clearOptionPresets(); // the rest of the stack behaves
            layer.setOptionPreset(QStringLiteral("sheets"), 5);
            if (choice == "copy")
                d->findChild<QPushButton *>(QStringLiteral("copySoFarButton"))->click();
            else
                pressKeyOn(d, Qt::Key_Return);
        });
        driver.start();
        const StackResult result = layer.AcquireStack(nullptr, 0, kept);
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        QCOMPARE(driver.messages(), QStringList{message});
        QCOMPARE(result.pages, int(kept.pages.size()));
        QCOMPARE(numbers(kept.pages), pages);
    }

    // Cancel lets the sheet under way come out whole, then asks.
    void cancelAfterThePageUnderWay()
    {
        SaneScannerLayer layer;
        layer.setCurrentDevice(QStringLiteral("faulty:0"));
        layer.setOptionPreset(QStringLiteral("sheets"), 50);
        KeptPages kept;
        ScanDialogDriver driver;
        driver.chooseResolution(50)
            .chooseFeeder(QStringLiteral("ADF"))
            .pressEnter()
            .until([&](QDialog *d) {
                if (kept.pages.size() < 2)
                    return false;
                pressKeyOn(d, Qt::Key_Escape);
                return true;
            })
            .waitForMessage()
            .then([](QDialog *d) {
                d->findChild<QPushButton *>(QStringLiteral("copySoFarButton"))->click();
            })
            .start();
        const StackResult result = layer.AcquireStack(nullptr, 0, kept);
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        QCOMPARE(result.pages, int(kept.pages.size()));
        QCOMPARE_LT(kept.pages.size(), 50);
        // The scanner is free for the next copy.
        KeptPages next;
        ScanDialogDriver again;
        again.pressEnter().start();
        QCOMPARE(layer.AcquireStack(nullptr, 0, next).pages, 50 - kept.pages.size());
    }

    // A spool that cannot keep a page ends the scan; nothing is given.
    void sinkRefuses()
    {
        SaneScannerLayer layer;
        layer.setCurrentDevice(QStringLiteral("faulty:0"));
        // The third sheet may be fed before the scan stops: sheets enough for another copy.
        layer.setOptionPreset(QStringLiteral("sheets"), 6);
        KeptPages kept;
        kept.refuse = 2;
        ScanDialogDriver driver;
        driver.chooseResolution(50).chooseFeeder(QStringLiteral("ADF")).pressEnter().start();
        QCOMPARE(layer.AcquireStack(nullptr, 0, kept).pages, 0);
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        // The next copy goes on with what is left in the feeder.
        KeptPages next;
        ScanDialogDriver again;
        again.pressEnter().start();
        QVERIFY(layer.AcquireStack(nullptr, 0, next).pages > 0);
        QCOMPARE_GE(pageNumber(next.pages.first()), 3);
    }
};

QTEST_MAIN(tst_ScanStack)
#include "tst_scanstack.moc"
