// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scanner drivers that crash, abort, hang, give up or lose their server: the
// scan dialog says so in words and offers Retry and Cancel, the clipboard
// keeps what it had, and the next copy in the same process gets the whole page.
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/SaneTestScanner.h"
#include "harness/SanedServer.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

namespace {

const QString kNet = "net:127.0.0.1:test:0";

QImage clipboardImage()
{
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

QImage copy(SaneScannerLayer &layer, ScanDialogDriver &driver)
{
    driver.start();
    return layer.TWAIN_AcquireToClipboard(nullptr, 0) ? layer.takeAcquiredPage() : QImage();
}

} // namespace

class tst_ScanFaults : public QObject
{
    Q_OBJECT

    SaneTestScanner sane{1};
    SanedServer saned;
    QImage sentinel{7, 5, QImage::Format_RGB32};

private slots:
    void initTestCase()
    {
        QVERIFY2(sane.isValid() && sane.addFaultyBackend(), qPrintable(sane.errorString()));
        const rlimit noCore{0, 0}; // an aborting driver leaves no core file behind
        setrlimit(RLIMIT_CORE, &noCore);
        // Under the address sanitizer the helper would catch its driver's crash
        // and exit instead: let the signal reach Mirel as a user's system sends it.
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":handle_segv=0:handle_abort=0");
        sentinel.fill(qRgb(12, 34, 56));
    }

    void cleanup() { saned.stop(); }

    void faults_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QVariantMap>("presets"); // none: the server restarts between copies
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("retry"); // or Cancel, then another copy
        const QString died = "The scanner driver stopped working for faulty:0 (%1). Choose Retry "
                             "to start it again. | &Retry | Cancel";
        const QString stalled = "The scanner has sent nothing for 2 seconds. | &Keep waiting | "
                                "Cancel";
        const auto fault = [](const char *name, const QString &message, bool retry) {
            QTest::newRow(name) << "faulty:0" << QVariantMap{{"fault", name}} << message << retry;
        };
        fault("segfault", died.arg("it was ended by signal 11, Segmentation fault"), true);
        fault("abort", died.arg("it was ended by signal 6, Aborted"), false);
        fault("exit", died.arg("it ended with exit status 3"), true);
        fault("hang", stalled, false);
        fault("zero-bytes", stalled, false);
        // A page that takes a while: a kilobyte every tenth of a second.
        const QVariantMap slow{{"read-limit", true},
                               {"read-limit-size", 1024},
                               {"read-delay", true},
                               {"read-delay-duration", 100000}};
        QTest::newRow("net server killed mid-scan")
            << kNet << slow
            << "The scanner " + kNet +
                   " can no longer be reached: it has sent nothing for 2 seconds. | &Keep "
                   "waiting | Cancel"
            << false;
        QTest::newRow("net server restarted between copies")
            << kNet << QVariantMap() << QString() << false;
    }

    void faults()
    {
        QFETCH(QString, device);
        QFETCH(QVariantMap, presets);
        QFETCH(QString, message);
        QFETCH(bool, retry);
        const bool net = device == kNet;
        if (net && !saned.isUsable())
            QSKIP(qPrintable(saned.errorString()));
        QVERIFY2(!net || saned.start(), qPrintable(saned.errorString()));
        qputenv("SANE_CONFIG_DIR", net ? saned.clientConfigDir() : sane.configDir().toLocal8Bit());
        QGuiApplication::clipboard()->setImage(sentinel);
        SaneScannerLayer layer;
        if (net)
            layer.session().setHelperPath(saned.helperPath());
        layer.session().setStallSeconds(2);
        layer.setCurrentDevice(device);
        const int dpi = net ? 75 : 50;
        // The whole bed: 200 x 200 mm at 75 dpi, or 216 x 297 mm at 50 dpi in a
        // pattern to check every pixel by.
        QImage drawn(net ? 590 : 425, net ? 590 : 584, QImage::Format_Grayscale8);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                drawn.scanLine(y)[x] = uchar(x + y);
        if (presets.isEmpty()) {
            ScanDialogDriver first;
            QCOMPARE(copy(layer, first.chooseResolution(dpi).pressEnter()).size(), drawn.size());
            saned.stop();
            QVERIFY2(saned.start(), qPrintable(saned.errorString()));
        } else {
            for (auto preset = presets.cbegin(); preset != presets.cend(); ++preset)
                layer.setOptionPreset(preset.key(), preset.value());
            qint64 helper = 0;
            ScanDialogDriver driver;
            driver.chooseResolution(dpi).pressEnter();
            if (net) // the server dies mid-scan, its connections with it
                driver
                    .until([&, since = std::make_shared<QElapsedTimer>()](QDialog *) {
                        return since->isValid() ? since->elapsed() > 1000 : (since->start(), false);
                    })
                    .then([&](QDialog *) {
                        helper = layer.session().helperProcessId();
                        saned.stop();
                    });
            driver.waitForMessage().then([&](QDialog *) {
                QCOMPARE(clipboardImage(), sentinel);
                layer.clearOptionPresets(); // the driver behaves from now on
            });
            QElapsedTimer sinceEscape;
            retry ? driver.pressEnter() : driver.then([&](QDialog *d) {
                sinceEscape.start(), pressKeyOn(d, Qt::Key_Escape);
            });
            QImage page = copy(layer, driver);
            QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
            QCOMPARE(driver.messages(), QStringList{message});
            if (retry) {
                QCOMPARE(page, drawn);
                return;
            }
            QVERIFY(page.isNull());
            // A helper stuck in its driver is ended, not waited for.
            QCOMPARE_LT(sinceEscape.elapsed(), 5000);
            QCOMPARE(clipboardImage(), sentinel);
            // Writing to the dead server on Cancel did not end the helper.
            QVERIFY(!net || layer.session().helperProcessId() == helper);
            QVERIFY2(!net || saned.start(), qPrintable(saned.errorString()));
        }
        ScanDialogDriver next;
        const QImage page = copy(layer, next.chooseResolution(dpi).pressEnter());
        QVERIFY2(next.succeeded(), qPrintable(next.failure()));
        QCOMPARE(page.size(), drawn.size());
        QVERIFY(net || page == drawn);
        QCOMPARE(clipboardImage(), page.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(tst_ScanFaults)
#include "tst_scanfaults.moc"
