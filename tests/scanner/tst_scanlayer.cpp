// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scanner layer against SANE's own test backend, through its real dialogs
// as a user meets them: every kind of page SANE delivers, each fault in plain
// words with the clipboard untouched, the choices the dialogs remember, and the
// source dialog. And drivers that crash, abort, hang, give up or lose their
// server: the dialog says so and offers Retry and Cancel, the clipboard keeps
// what it had, and the next copy in the same process gets the whole page.
#include "copyjob/SourceSelection.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/protocol/SharedPage.h"
#include "harness/SaneTestScanner.h"
#include "harness/SanedServer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The test backend draws its 10 mm grid squares 100 pixels wide at 254 dpi.
// A tiny page fits in the backend's pipe at once: its reader thread, cancelled
// while blocked in a write, can die holding a libc lock (its fault, not SANE's).
const QString kSmall = "resolution=254 br-x=30 br-y=20 test-picture=Grid ",
              kTiny = "resolution=254 br-x=10 br-y=10 ";

const QString kNet = "net:127.0.0.1:test:0";

QImage sentinel()
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(12, 34, 56));
    return image;
}

QImage copy(SaneScannerLayer &layer, ScanDialogDriver &driver)
{
    driver.start();
    return layer.TWAIN_AcquireToClipboard(nullptr, 0);
}

} // namespace

class tst_ScanLayer : public QObject
{
    Q_OBJECT

    SaneTestScanner m_scanner;
    SanedServer m_saned;
    std::unique_ptr<SaneScannerLayer> m_layer;

    // "option=value ...", or devices=, source=.
    void preset(const QString &presets)
    {
        for (const QString &preset : presets.split(u' ', Qt::SkipEmptyParts)) {
            const QString key = preset.section(u'=', 0, 0), value = preset.section(u'=', 1);
            if (key == "devices")
                m_scanner.setDeviceCount(value.toInt());
            else if (key == "source")
                m_layer->setCurrentDevice(value);
            else
                m_layer->setOptionPreset(key, value);
        }
    }

    // Presets, then the user's steps: Enter, Esc (X), wait for a Message (and
    // what the buttons offer), Plugged back, Settings noted, and g: 150 dpi
    // Gray. Says the result, the page and the device it came from, the
    // messages and the notes.
    QString scan(const QString &presets, const QString &steps)
    {
        preset(presets);
        QStringList noted;
        ScanDialogDriver driver;
        for (const QChar step : steps) {
            if (step == u'E')
                driver.pressEnter();
            else if (step == u'X')
                driver.pressEscape();
            else if (step == u'M')
                driver.waitForMessage();
            else if (step == u'g')
                driver.chooseResolution(150).chooseMode("Gray");
            else
                driver.until([=, this, &noted](QDialog *d) {
                    if (!scanDialogReady(d))
                        return false; // the device not open yet
                    if (step == u'P')
                        m_scanner.setDeviceCount(2);
                    else // S
                        noted << d->findChild<QComboBox *>("resolutionBox")->currentText() + ' ' +
                                     d->findChild<QComboBox *>("modeBox")->currentText();
                    return true;
                });
        }
        driver.start();
        QStringList said{QString::number(!m_layer->TWAIN_AcquireToClipboard(nullptr, 0).isNull())};
        const QImage page = QGuiApplication::clipboard()->image();
        if (page != sentinel())
            said << QStringLiteral("%1x%2 %3")
                        .arg(page.width())
                        .arg(page.height())
                        .arg(m_layer->lastScanDevice());
        if (page != sentinel() && !driver.deviceText().contains(m_layer->lastScanDevice()))
            said << "dialog showed " + driver.deviceText();
        if (!driver.succeeded())
            said << "driver: " + driver.failure();
        return (said + driver.messages() + noted).join(u'|');
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_scanner.isValid(), qPrintable(m_scanner.errorString()));
        LetDriverCrashesThrough();
    }

    void init()
    {
        // The net rows point SANE at saned's client configuration.
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(m_scanner.configDir()));
        QVERIFY(m_scanner.setDeviceCount(2));
        forgetKeptChoices(); // each row starts as a first run
        m_layer = std::make_unique<SaneScannerLayer>();
        QGuiApplication::clipboard()->setImage(sentinel());
    }

    void cleanup()
    {
        m_saned.stop();
        m_layer.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void pages_data()
    {
        QTest::addColumn<QString>("presets");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QString>("page");
        const auto row = [](const char *name, const char *presets, QImage::Format format,
                            const char *page = "300x200") {
            QTest::newRow(name) << kSmall + presets << format << QString(page);
        };
        row("line art", "mode=Gray depth=1", QImage::Format_Mono);
        row("grey 8", "mode=Gray depth=8", QImage::Format_Grayscale8);
        row("grey 16", "mode=Gray depth=16", QImage::Format_Grayscale16);
        row("colour 8", "mode=Color depth=8", QImage::Format_RGB888);
        row("colour 16", "mode=Color depth=16", QImage::Format_RGBX64);
        row("three-pass 8", "mode=Color depth=8 three-pass=1", QImage::Format_RGB888);
        // A hand scanner does not tell the height; the backend's is 11 x 17 cm.
        row("hand scanner", "mode=Gray depth=8 hand-scanner=1", QImage::Format_Grayscale8,
            "1100x1700");
        // Sizes before sane_start are wrong; the ones after hold.
        row("fuzzy parameters", "mode=Gray depth=16 fuzzy-parameters=1",
            QImage::Format_Grayscale16);
        // Reads that end in the middle of lines and of 16-bit samples.
        row("odd-sized reads", "mode=Color depth=16 read-limit=1 read-limit-size=997",
            QImage::Format_RGBX64);
    }

    void pages()
    {
        QFETCH(QString, presets);
        QFETCH(QImage::Format, format);
        QFETCH(QString, page);
        QCOMPARE(scan(presets, "E"), "1|" + page + " test:0");
        const QImage got = QGuiApplication::clipboard()->image();
        QCOMPARE(got.format(), format);
        QCOMPARE(QSize(got.dotsPerMeterX(), got.dotsPerMeterY()), QSize(10000, 10000)); // 254 dpi
        // White squares from the top-left corner. The backend puts its row edges
        // a line off here and there (101, 200, 301): rows are probed between them.
        const struct
        {
            int x, y;
            bool white;
        } probes[] = {{0, 0, true},     {99, 50, true},   {100, 50, false},
                      {199, 50, false}, {200, 50, true},  {50, 150, false},
                      {99, 150, false}, {100, 150, true}, {199, 150, true}};
        for (const auto &[x, y, white] : probes)
            QVERIFY2(
                qAbs(got.pixelColor(x, y).lightnessF() - white) < 0.01,
                qPrintable(
                    QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(got.pixelColor(x, y).name())));
    }

    void dialog_data()
    {
        QTest::addColumn<QString>("presets");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        // The rest of SANE's statuses read from the same table; a jam is the
        // stack suite's, and the empty feeder the options suite's. Retry after
        // a fault is tst_scanflow's, and faults() below retries through a
        // fresh helper.
        const std::pair<const char *, const char *> faults[] = {
            {"IO_ERROR",
             "The scanner could not be reached (input/output error). Check its cable and power."},
            {"CANCELLED", "The scan was stopped at the scanner."},
            {"EOF", "The scanner stopped before the whole page arrived."}};
        for (const auto &[status, message] : faults)
            QTest::newRow(status) << QStringLiteral("read-return-value=SANE_STATUS_") + status
                                  << "EMX" << QStringLiteral("0|") + message;
        QTest::newRow("unplugged, plugged back")
            << "devices=1 source=test:1"
            << "MPE"
            << "1|100x100 test:1|The scanner test:1 is not connected. Connect it and switch it on, "
               "then choose Retry.";
        QTest::newRow("no scanner at all")
            << "devices=0"
            << "MX"
            << "0|No scanner was found. Connect a scanner and switch it on, then choose Retry.";
    }

    void dialog()
    {
        QFETCH(QString, presets);
        QFETCH(QString, steps);
        QFETCH(QString, outcome);
        preset(kTiny + presets);
        QCOMPARE(m_layer->TWAIN_IsAvailable(), 1);                 // with no scanner too
        QCOMPARE(scan("", steps), outcome + " | &Retry | Cancel"); // every fault offers both
    }

    void offersColourAt300WholeBedAndRemembers()
    {
        // The backend's own default area is 80 x 100 mm; a copier takes the whole
        // 200 x 200 mm glass.
        QCOMPARE(scan("", "SgE"), "1|1181x1181 test:0|300 dpi Color");
        QCOMPARE(scan("", "SX"), "0|1181x1181 test:0|150 dpi Gray"); // the page stays
    }

    void cancelDuringSlowScan()
    {
        // The whole bed in grey at 600 dpi, 22 MB in blocks 200 ms apart: over
        // a minute unless cancelled. The driver's own timer presses Esc, so the
        // event loop must run meanwhile.
        preset("mode=Gray resolution=600 read-delay=1 read-delay-duration=200000");
        ScanDialogDriver driver;
        QElapsedTimer scanning; // Esc 600 ms into the scan
        driver.pressEnter()
            .until([&](QDialog *d) {
                if (!scanning.isValid() && d->property("state").toString() == "Scanning")
                    scanning.start();
                return scanning.isValid() && scanning.elapsed() > 600;
            })
            .pressEscape()
            .start();
        QVERIFY(m_layer->TWAIN_AcquireToClipboard(nullptr, 0).isNull());
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        // A loose bound, for the sanitizers too: the point is that the scan did
        // not run to its end.
        QVERIFY2(scanning.elapsed() < 10000, qPrintable(QString::number(scanning.elapsed())));
        QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
        m_layer->clearOptionPresets(); // the device is free again for the next copy
        QCOMPARE(scan(kTiny, "E"), "1|100x100 test:0");
    }

    // Each device by vendor, model and SANE name; the dialog opens on the
    // current one, Enter picks another, Esc keeps it.
    void sourceDialog()
    {
        m_layer->setCurrentDevice("test:0");
        QStringList shown;
        QWidget window;
        window.show();
        for (const auto &[moveTo, key] : {std::pair{1, Qt::Key_Return}, {0, Qt::Key_Escape}}) {
            auto answer =
                answerDialog("SourceDialog", [&, moveTo = moveTo, key = key](QDialog &dialog) {
                    auto *list = dialog.findChild<QListWidget *>("sourceList");
                    QTRY_VERIFY(list->count() > 0); // listed by the helper
                    shown << QString::number(list->currentRow());
                    for (int i = 0; i < list->count(); ++i)
                        shown << list->item(i)->text();
                    list->setCurrentRow(moveTo);
                    pressKeyOn(&dialog, key);
                });
            SelectSourceClick(&window, *m_layer);
            QVERIFY(answer->ran);
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
        }
        const QString names = "Noname frontend-tester (test:0)|Noname frontend-tester (test:1)";
        QCOMPARE(shown.join(u'|'), "0|" + names + "|1|" + names);
        QCOMPARE(scan(kTiny, "E"), "1|100x100 test:1");
    }

    void versionFromSane()
    {
        // sane_init reports 1.x on every SANE 1 library; 1.1 reads 110, never 101.
        const int version = m_layer->TWAIN_EasyVersion();
        QVERIFY2(version >= 100 && version < 200 && version % 10 == 0,
                 qPrintable(QString::number(version)));
    }

    void faults_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("presets"); // none: the server restarts between copies
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("retry"); // or Cancel, then another copy
        const QString died = "The scanner driver stopped working for faulty:0 (%1). Choose Retry "
                             "to start it again. | &Retry | Cancel";
        // Three seconds before the first byte, one once the page has begun.
        const QString stalled = "The scanner has sent nothing for %1 seconds. | &Keep waiting | "
                                "Cancel";
        const auto fault = [](const char *name, const QString &message, bool retry) {
            QTest::newRow(name) << "faulty:0" << QStringLiteral("fault=") + name << message
                                << retry;
        };
        fault("segfault", died.arg("it was ended by signal 11, Segmentation fault"), true);
        fault("abort", died.arg("it was ended by signal 6, Aborted"), false);
        fault("exit", died.arg("it ended with exit status 3"), true);
        fault("hang", stalled.arg(1), false);
        fault("zero-bytes", stalled.arg(1), false);
        fault("lamp", stalled.arg(3), false);
        // A page that takes a while: a kilobyte every tenth of a second.
        const QString slow =
            "read-limit=1 read-limit-size=1024 read-delay=1 read-delay-duration=100000";
        QTest::newRow("net server killed mid-scan")
            << kNet << slow
            << "The scanner " + kNet +
                   " can no longer be reached. Check the network and the scan server, then "
                   "choose Retry. | &Retry | Cancel"
            << false;
        QTest::newRow("net server restarted between copies")
            << kNet << QString() << QString() << false;
        // The driver truncates its duplicate of the page once Mirel has it.
        QTest::newRow("page truncated by its driver") << "faulty:0"
                                                      << "fault=truncate" << QString() << false;
    }

    void faults()
    {
        QFETCH(QString, device);
        QFETCH(QString, presets);
        QFETCH(QString, message);
        QFETCH(bool, retry);
        const bool net = device == kNet;
        if (net && !m_saned.isUsable())
            QSKIP(qPrintable(m_saned.errorString()));
        QVERIFY2(!net || m_saned.start(), qPrintable(m_saned.errorString()));
        if (net)
            qputenv("SANE_CONFIG_DIR", m_saned.clientConfigDir());
        else
            QVERIFY2(m_scanner.addFaultyBackend(), qPrintable(m_scanner.errorString()));
        const QString report = m_scanner.configDir() + "/faulty-report";
        qputenv("FAULTY_REPORT", QFile::encodeName(report));
        SaneScannerLayer &layer = *m_layer;
        if (net)
            layer.session().setHelperPath(m_saned.helperPath());
        layer.session().setStallSeconds(3);
        // A closed connection is told long before a silence would be.
        layer.session().setStallAfterDataSeconds(net ? 10 : 1);
        layer.setCurrentDevice(device);
        const int dpi = net ? 75 : 50;
        // The whole bed: 200 x 200 mm at 75 dpi, or 216 x 297 mm at 50 dpi in a
        // pattern to check every pixel by.
        QImage drawn(net ? 590 : 425, net ? 590 : 584, QImage::Format_Grayscale8);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                drawn.scanLine(y)[x] = uchar(x + y);
        if (message.isEmpty()) { // no fault the user sees
            preset(presets);
            ScanDialogDriver first;
            const QImage page = copy(layer, first.chooseResolution(dpi).pressEnter());
            QCOMPARE(page.size(), drawn.size());
            m_saned.stop();
            QVERIFY2(!net || m_saned.start(), qPrintable(m_saned.errorString()));
            QTest::qWait(net ? 0 : 1000); // the driver's truncation is past
            QCOMPARE(readFile(report), net ? "" : "refused");
            QVERIFY(net || page == drawn); // every pixel read back
            layer.clearOptionPresets();
        } else {
            preset(presets);
            QElapsedTimer sinceStop;
            qint64 toldAfter = -1;
            ScanDialogDriver driver;
            driver.chooseResolution(dpi).pressEnter();
            if (net) // the server dies mid-scan, its connections with it
                driver
                    .until([&, since = std::make_shared<QElapsedTimer>()](QDialog *) {
                        return since->isValid() ? since->elapsed() > 1000 : (since->start(), false);
                    })
                    .then([&](QDialog *) {
                        sinceStop.start();
                        m_saned.stop();
                    });
            driver.waitForMessage().then([&](QDialog *) {
                toldAfter = sinceStop.isValid() ? sinceStop.elapsed() : 0;
                QCOMPARE(clipboardImage(), sentinel());
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
            QCOMPARE(clipboardImage(), sentinel());
            // A dead server is told within seconds, not after a silence.
            QCOMPARE_LT(toldAfter, 5000);
            QVERIFY2(!net || m_saned.start(), qPrintable(m_saned.errorString()));
        }
        ScanDialogDriver next;
        const QImage page = copy(layer, next.chooseResolution(dpi).pressEnter());
        QVERIFY2(next.succeeded(), qPrintable(next.failure()));
        QCOMPARE(page.size(), drawn.size());
        QVERIFY(net || page == drawn);
        QCOMPARE(clipboardImage(), page.convertToFormat(QImage::Format_RGB32));
    }

    // Mirel maps only a memfd sealed against shrinking, growing and writing,
    // and only when it holds the page its header describes.
    void sharedPage_data()
    {
        QTest::addColumn<int>("seals");
        QTest::addColumn<int>("format");
        QTest::addColumn<qint64>("bytesPerLine");
        QTest::addColumn<bool>("mapped");
        const int all = F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL;
        const int grey = QImage::Format_Grayscale8;
        QTest::newRow("sealed") << all << grey << qint64(12) << true;
        QTest::newRow("not sealed") << 0 << grey << qint64(12) << false;
        QTest::newRow("may still shrink") << (all & ~F_SEAL_SHRINK) << grey << qint64(12) << false;
        QTest::newRow("shorter than its header")
            << all << int(QImage::Format_RGBX64) << qint64(80) << false;
        QTest::newRow("a format no scan has")
            << all << int(QImage::Format_Indexed8) << qint64(12) << false;
    }

    void sharedPage()
    {
        QFETCH(int, seals);
        QFETCH(int, format);
        QFETCH(qint64, bytesPerLine);
        QFETCH(bool, mapped);
        const int fd = memfd_create("mirel-page", MFD_CLOEXEC | MFD_ALLOW_SEALING);
        QVERIFY(fd >= 0 && ftruncate(fd, 12 * 5) == 0 && write(fd, "pixels", 6) == 6);
        QVERIFY(seals == 0 || fcntl(fd, F_ADD_SEALS, seals) == 0);
        const QImage page = SharedPage::map(fd, {10, 5, format, bytesPerLine, 3937, 3937});
        ::close(fd);
        QCOMPARE(!page.isNull(), mapped);
        QVERIFY(page.isNull() ||
                (page.pixelColor(0, 0) == QColor('p', 'p', 'p') && page.dotsPerMeterX() == 3937));
    }

    // What the helper says is read within bounds: a count, a string or a value
    // kind no scanner sends makes the message unreadable, and nothing is
    // reserved for it.
    void untrustedInput_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("devices"); // or options
        using ScannerProtocol::pack;
        QTest::newRow("more devices than any machine has") << pack(quint32(0xfffffff0)) << true;
        QTest::newRow("more options than any scanner has") << pack(quint32(0xfffffff0)) << false;
        QTest::newRow("a name of a million characters")
            << pack(quint32(1), ScanDevice{QString(1 << 20, u'x'), "", "", "", false}) << true;
        QByteArray other = pack(quint32(1), ScanOption{});
        other.back() = 9; // the kind of the option's value
        QTest::newRow("a value of another kind") << other << false;
    }

    void untrustedInput()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, devices);
        QList<ScanDevice> found;
        QList<ScanOption> options;
        QVERIFY(devices ? !ScannerProtocol::unpack(payload, found)
                        : !ScannerProtocol::unpack(payload, options));
    }

    void oversizedMessage()
    {
        // A message longer than any the helper has reason to send ends the channel.
        int pair[2];
        QVERIFY(socketpair(AF_UNIX, SOCK_STREAM, 0, pair) == 0);
        ScannerProtocol::Channel channel(pair[0]);
        const char header[5] = {0, 0, 0, 1, char(ScannerProtocol::Type::Devices)}; // 16 MiB
        QVERIFY(write(pair[1], header, 5) == 5);
        QVERIFY(!channel.receive() && channel.broken() && !channel.next());
        ::close(pair[1]);
    }

    // Last: a source dialog that wrongly opened would be answered by then.
    void missingLibrary()
    {
        SaneScannerLayer missing("/nonexistent/libsane-missing.so.1");
        QCOMPARE(QList<int>({missing.TWAIN_IsAvailable(), missing.TWAIN_IsAvailable(),
                             missing.TWAIN_EasyVersion(),
                             int(!missing.TWAIN_AcquireToClipboard(nullptr, 0).isNull()),
                             missing.TWAIN_SelectImageSource(nullptr)}),
                 QList<int>({0, 0, 0, 0, 0}));
        MessageWatcher messages;
        const auto opened =
            answerDialog("SourceDialog", [](QDialog &d) { pressKeyOn(&d, Qt::Key_Escape); });
        QWidget window;
        SelectSourceClick(&window, missing);
        QCOMPARE(messages.texts, QStringList{"TWAIN was not found"});
        QVERIFY(!opened->ran);
        QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
    }
};

QTEST_MAIN(tst_ScanLayer)
#include "tst_scanlayer.moc"
