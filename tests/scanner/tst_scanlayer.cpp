#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

using Presets = QList<QPair<QString, QVariant>>;

// The test backend draws its 10 mm grid squares 100 pixels wide at 254 dpi,
// and 254 dpi is 10000 dots per metre.
constexpr int kGridDpi = 254;
constexpr int kGridDotsPerMetre = 10000;

// A small area keeps each scan quick: 30 x 20 mm, 300 x 200 pixels at 254 dpi.
Presets smallArea(Presets more = {})
{
    Presets presets{{QStringLiteral("resolution"), kGridDpi},
                    {QStringLiteral("br-x"), 30.0},
                    {QStringLiteral("br-y"), 20.0}};
    return presets + more;
}

// Faults use a page that fits in the backend's pipe at once: the backend's
// reader thread, cancelled while blocked in a write, can die holding a libc
// lock and hang the process (a fault of that backend, not of a real scanner).
Presets tinyArea(Presets more = {})
{
    Presets presets{{QStringLiteral("resolution"), kGridDpi},
                    {QStringLiteral("br-x"), 10.0},
                    {QStringLiteral("br-y"), 10.0}};
    return presets + more;
}

bool isBlack(const QColor &c)
{
    return c.redF() < 0.01 && c.greenF() < 0.01 && c.blueF() < 0.01;
}

bool isWhite(const QColor &c)
{
    return c.redF() > 0.99 && c.greenF() > 0.99 && c.blueF() > 0.99;
}

QImage sentinel()
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(12, 34, 56));
    return image;
}

} // namespace

class tst_ScanLayer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formats_data();
    void formats();
    void wholeBedByDefault();
    void dialogOffersColourAt300AndRemembers();
    void faults_data();
    void faults();
    void retryAfterFaultGivesThePage();
    void cancelDuringSlowScan();
    void pageTooLargeForMemory();
    void scannerPluggedBackIsFoundAgain();
    void noScannerAtAll();
    void missingLibrary();
    void versionFromSane();

private:
    std::unique_ptr<SaneTestScanner> m_scanner;
    std::unique_ptr<SaneScannerLayer> m_layer;

    void setPresets(const Presets &presets);
};

void tst_ScanLayer::initTestCase()
{
    m_scanner = std::make_unique<SaneTestScanner>();
    QVERIFY2(m_scanner->isValid(), qPrintable(m_scanner->errorString()));
}

void tst_ScanLayer::init()
{
    QVERIFY(m_scanner->setDeviceCount(2));
    m_layer = std::make_unique<SaneScannerLayer>();
    QGuiApplication::clipboard()->setImage(sentinel());
}

void tst_ScanLayer::cleanup()
{
    m_layer.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ScanLayer::setPresets(const Presets &presets)
{
    for (const auto &preset : presets)
        m_layer->setOptionPreset(preset.first, preset.second);
}

void tst_ScanLayer::formats_data()
{
    QTest::addColumn<Presets>("presets");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("picture");

    const QString black = QStringLiteral("Solid black"), white = QStringLiteral("Solid white"),
                  grid = QStringLiteral("Grid");
    const auto gray = [](int depth) {
        return Presets{{QStringLiteral("mode"), QStringLiteral("Gray")},
                       {QStringLiteral("depth"), depth}};
    };
    const auto color = [](int depth) {
        return Presets{{QStringLiteral("mode"), QStringLiteral("Color")},
                       {QStringLiteral("depth"), depth}};
    };
    const auto picture = [](const QString &name) {
        return Presets{{QStringLiteral("test-picture"), name}};
    };
    const Presets threePass{{QStringLiteral("three-pass"), true}};
    const Presets handScanner{{QStringLiteral("hand-scanner"), true}};
    const QSize small(300, 200);

    struct Kind
    {
        const char *name;
        Presets presets;
        QImage::Format format;
    };
    const Kind kinds[] = {
        {"line art", gray(1), QImage::Format_Mono},
        {"grey 8", gray(8), QImage::Format_Grayscale8},
        {"grey 16", gray(16), QImage::Format_Grayscale16},
        {"colour 1", color(1), QImage::Format_RGB888},
        {"colour 8", color(8), QImage::Format_RGB888},
        {"colour 16", color(16), QImage::Format_RGBX64},
        {"three-pass 8", color(8) + threePass, QImage::Format_RGB888},
        {"three-pass 16", color(16) + threePass, QImage::Format_RGBX64},
    };
    for (const Kind &kind : kinds) {
        for (const QString &name : {black, white, grid}) {
            QTest::addRow("%s, %s", kind.name, qPrintable(name))
                << smallArea(kind.presets + picture(name)) << kind.format << small << name;
        }
    }
    // A hand scanner does not tell the height; the backend's is 11 x 17 cm.
    QTest::newRow("hand scanner, grey 8, grid")
        << smallArea(gray(8) + handScanner + picture(grid)) << QImage::Format_Grayscale8
        << QSize(1100, 1700) << grid;
    QTest::newRow("hand scanner, three-pass 8, grid")
        << smallArea(color(8) + threePass + handScanner + picture(grid)) << QImage::Format_RGB888
        << QSize(1100, 1700) << grid;
    // Lines padded past their pixels: 7 pixels lost at the end of each.
    QTest::newRow("padded lines, colour 8, grid")
        << smallArea(color(8) + picture(grid) + Presets{{QStringLiteral("ppl-loss"), 7}})
        << QImage::Format_RGB888 << QSize(293, 200) << grid;
    // Sizes before sane_start are wrong; the ones after hold.
    QTest::newRow("fuzzy parameters, grey 16, grid")
        << smallArea(gray(16) + picture(grid) + Presets{{QStringLiteral("fuzzy-parameters"), true}})
        << QImage::Format_Grayscale16 << small << grid;
    // Reads that end in the middle of lines and of 16-bit samples.
    QTest::newRow("odd-sized reads, colour 16, grid")
        << smallArea(color(16) + picture(grid) +
                     Presets{{QStringLiteral("read-limit"), true},
                             {QStringLiteral("read-limit-size"), 997}})
        << QImage::Format_RGBX64 << small << grid;
}

void tst_ScanLayer::formats()
{
    QFETCH(Presets, presets);
    QFETCH(QImage::Format, format);
    QFETCH(QSize, size);
    QFETCH(QString, picture);

    setPresets(presets);
    ScanDialogDriver driver;
    driver.pressEnter().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));

    const QImage page = QGuiApplication::clipboard()->image();
    QCOMPARE(page.format(), format);
    QCOMPARE(page.size(), size);
    QCOMPARE(page.dotsPerMeterX(), kGridDotsPerMetre);
    QCOMPARE(page.dotsPerMeterY(), kGridDotsPerMetre);
    if (picture == QLatin1String("Solid black") || picture == QLatin1String("Solid white")) {
        const bool black = picture == QLatin1String("Solid black");
        for (QPoint p : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1),
                         QPoint(size.width() / 2, size.height() / 2)})
            QVERIFY2(black ? isBlack(page.pixelColor(p)) : isWhite(page.pixelColor(p)),
                     qPrintable(page.pixelColor(p).name()));
    } else {
        // Squares of 100 pixels, white at the top-left corner. The backend
        // puts its row edges a line off here and there (101, 200, 301), so
        // rows are probed half a square away from them; columns are exact.
        const struct
        {
            QPoint at;
            bool white;
        } probes[] = {{{0, 0}, true},     {{99, 50}, true},   {{100, 50}, false},
                      {{199, 50}, false}, {{200, 50}, true},  {{50, 150}, false},
                      {{99, 150}, false}, {{100, 150}, true}, {{199, 150}, true}};
        for (const auto &probe : probes) {
            const QColor c = page.pixelColor(probe.at);
            QVERIFY2(probe.white ? isWhite(c) : isBlack(c),
                     qPrintable(QStringLiteral("at %1,%2: %3")
                                    .arg(probe.at.x())
                                    .arg(probe.at.y())
                                    .arg(c.name())));
        }
    }
}

void tst_ScanLayer::wholeBedByDefault()
{
    // The backend's own default area is 80 x 100 mm; a copier takes the
    // whole 200 x 200 mm glass.
    m_layer->setOptionPreset(QStringLiteral("resolution"), 50);
    ScanDialogDriver driver;
    driver.pressEnter().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    const QImage page = QGuiApplication::clipboard()->image();
    const int side = qRound(200 / 25.4 * 50);
    QVERIFY2(qAbs(page.width() - side) <= 1 && qAbs(page.height() - side) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
}

void tst_ScanLayer::dialogOffersColourAt300AndRemembers()
{
    setPresets(smallArea());
    QString firstResolution, firstMode, secondResolution, secondMode;
    ScanDialogDriver first;
    first
        .then([&](QDialog *d) {
            firstResolution =
                d->findChild<QComboBox *>(QStringLiteral("resolutionBox"))->currentText();
            firstMode = d->findChild<QComboBox *>(QStringLiteral("modeBox"))->currentText();
        })
        .chooseResolution(150)
        .chooseMode(QStringLiteral("Gray"))
        .pressEnter()
        .start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(first.succeeded(), qPrintable(first.failure()));
    QCOMPARE(firstResolution, QStringLiteral("300 dpi"));
    QCOMPARE(firstMode, QStringLiteral("Color"));
    QCOMPARE(first.deviceText(), QStringLiteral("Noname frontend-tester (test:0)"));
    QCOMPARE(m_layer->currentDevice(), QStringLiteral("test:0"));

    ScanDialogDriver second;
    second
        .then([&](QDialog *d) {
            secondResolution =
                d->findChild<QComboBox *>(QStringLiteral("resolutionBox"))->currentText();
            secondMode = d->findChild<QComboBox *>(QStringLiteral("modeBox"))->currentText();
        })
        .pressEscape()
        .start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QVERIFY2(second.succeeded(), qPrintable(second.failure()));
    QCOMPARE(secondResolution, QStringLiteral("150 dpi"));
    QCOMPARE(secondMode, QStringLiteral("Gray"));
}

void tst_ScanLayer::faults_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("jammed") << "SANE_STATUS_JAMMED"
                            << "Document feeder jammed";
    QTest::newRow("cover open") << "SANE_STATUS_COVER_OPEN"
                                << "Scanner cover is open";
    QTest::newRow("no documents") << "SANE_STATUS_NO_DOCS"
                                  << "No document in the feeder";
    QTest::newRow("busy") << "SANE_STATUS_DEVICE_BUSY"
                          << "The scanner is busy";
    QTest::newRow("i/o error") << "SANE_STATUS_IO_ERROR"
                               << "input/output error";
    QTest::newRow("access denied") << "SANE_STATUS_ACCESS_DENIED"
                                   << "Access to the scanner was denied";
    QTest::newRow("out of memory") << "SANE_STATUS_NO_MEM"
                                   << "Out of memory";
    QTest::newRow("invalid") << "SANE_STATUS_INVAL"
                             << "does not accept these scan settings";
    QTest::newRow("unsupported") << "SANE_STATUS_UNSUPPORTED"
                                 << "cannot do what was asked";
    QTest::newRow("cancelled at the scanner") << "SANE_STATUS_CANCELLED"
                                              << "stopped at the scanner";
    QTest::newRow("early end") << "SANE_STATUS_EOF"
                               << "stopped before the whole page arrived";
}

void tst_ScanLayer::faults()
{
    QFETCH(QString, status);
    QFETCH(QString, message);

    setPresets(tinyArea({{QStringLiteral("read-return-value"), status}}));
    ScanDialogDriver driver;
    driver.pressEnter().waitForMessage().pressEscape().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    QCOMPARE(driver.messages().size(), 1);
    QVERIFY2(driver.messages().first().contains(message), qPrintable(driver.messages().first()));
    QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
}

void tst_ScanLayer::retryAfterFaultGivesThePage()
{
    setPresets(
        tinyArea({{QStringLiteral("read-return-value"), QStringLiteral("SANE_STATUS_JAMMED")}}));
    ScanDialogDriver driver;
    driver.pressEnter()
        .waitForMessage()
        .then([this](QDialog *dialog) {
            // The user clears the jam and chooses Retry.
            QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("scanButton"))->text(),
                     QStringLiteral("&Retry"));
            m_layer->setOptionPreset(QStringLiteral("read-return-value"),
                                     QStringLiteral("Default"));
        })
        .pressEnter()
        .start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    QCOMPARE(driver.messages(), QStringList{QStringLiteral("Document feeder jammed")});
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(100, 100));
}

void tst_ScanLayer::cancelDuringSlowScan()
{
    // The whole bed in grey at 254 dpi, 4 MB sent in blocks 200 ms apart:
    // twelve seconds unless cancelled.
    setPresets({{QStringLiteral("mode"), QStringLiteral("Gray")},
                {QStringLiteral("resolution"), kGridDpi},
                {QStringLiteral("read-delay"), true},
                {QStringLiteral("read-delay-duration"), 200000}});
    int ticks = 0;
    QTimer ui;
    connect(&ui, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ui.start(20);
    ScanDialogDriver driver;
    QElapsedTimer scanning; // Esc 600 ms into the scan
    driver.pressEnter()
        .until([&](QDialog *d) {
            if (!scanning.isValid() && d->property("scanning").toBool())
                scanning.start();
            return scanning.isValid() && scanning.elapsed() > 600;
        })
        .pressEscape()
        .start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    // Loose bounds: the point is that the scan did not run to its end.
    QVERIFY2(scanning.elapsed() < 3600, qPrintable(QString::number(scanning.elapsed())));
    // The event loop kept running while the scanner worked.
    QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
    QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());

    // The device is free again for the next copy.
    m_layer->clearOptionPresets();
    setPresets(smallArea());
    ScanDialogDriver again;
    again.pressEnter().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(again.succeeded(), qPrintable(again.failure()));
}

void tst_ScanLayer::pageTooLargeForMemory()
{
    setPresets(tinyArea({{QStringLiteral("mode"), QStringLiteral("Color")}}));
    m_layer->setMemoryLimit(20 * 1000); // the page needs 30 000 bytes
    ScanDialogDriver driver;
    driver.pressEnter().waitForMessage().pressEscape().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    QVERIFY2(driver.messages().value(0).contains(QStringLiteral("100 × 100 pixels")),
             qPrintable(driver.messages().value(0)));
    QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
}

void tst_ScanLayer::scannerPluggedBackIsFoundAgain()
{
    // test:1 was chosen, then unplugged: SANE starts with one device only.
    QVERIFY(m_scanner->setDeviceCount(1));
    m_layer->setCurrentDevice(QStringLiteral("test:1"));
    setPresets(smallArea());
    ScanDialogDriver driver;
    driver.waitForMessage()
        .then([this](QDialog *) { QVERIFY(m_scanner->setDeviceCount(2)); }) // plugged back
        .pressEnter()
        .start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    QVERIFY2(driver.messages().value(0).contains(QStringLiteral("test:1 is not connected")),
             qPrintable(driver.messages().value(0)));
    QCOMPARE(m_layer->lastScanDevice(), QStringLiteral("test:1"));
}

void tst_ScanLayer::noScannerAtAll()
{
    QVERIFY(m_scanner->setDeviceCount(0));
    QCOMPARE(m_layer->TWAIN_IsAvailable(), 1);
    ScanDialogDriver driver;
    driver.waitForMessage().pressEscape().start();
    QCOMPARE(m_layer->TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
    QVERIFY2(driver.messages().value(0).contains(QStringLiteral("No scanner was found")),
             qPrintable(driver.messages().value(0)));
    QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
}

void tst_ScanLayer::missingLibrary()
{
    SaneScannerLayer layer(QStringLiteral("/nonexistent/libsane-missing.so.1"));
    QCOMPARE(layer.TWAIN_IsAvailable(), 0);
    QCOMPARE(layer.TWAIN_IsAvailable(), 0);
    QCOMPARE(layer.TWAIN_EasyVersion(), 0);
    // No dialog: there is nothing to scan with.
    QCOMPARE(layer.TWAIN_AcquireToClipboard(nullptr, 0), 0);
    QCOMPARE(layer.TWAIN_SelectImageSource(nullptr), 0);
    QCOMPARE(QGuiApplication::clipboard()->image(), sentinel());
}

void tst_ScanLayer::versionFromSane()
{
    // sane_init reports 1.x on every SANE 1 library; 1.1 reads 110, never 101.
    const int version = m_layer->TWAIN_EasyVersion();
    QVERIFY2(version >= 100 && version < 200 && version % 10 == 0,
             qPrintable(QString::number(version)));
}

QTEST_MAIN(tst_ScanLayer)
#include "tst_scanlayer.moc"
