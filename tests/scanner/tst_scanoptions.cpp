// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ScanDialog.h"
#include "copyjob/scan/ScanOptionsPanel.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

// Sets a control as a user would, so it emits what a user's change emits.
void setByUser(QWidget *w, const QVariant &value)
{
    if (auto *box = qobject_cast<QCheckBox *>(w))
        box->setChecked(value.toBool());
    else if (auto *spin = qobject_cast<QSpinBox *>(w))
        spin->setValue(value.toInt());
    else if (auto *real = qobject_cast<QDoubleSpinBox *>(w))
        real->setValue(value.toDouble());
    else if (auto *button = qobject_cast<QPushButton *>(w))
        button->click();
    else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        line->selectAll();
        QTest::keyClicks(line, value.toString());
        QTest::keyClick(line, Qt::Key_Return);
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        int i = combo->findText(value.toString());
        for (int k = 0; i < 0 && k < combo->count(); ++k)
            if (combo->itemData(k).toString() == value.toString())
                i = k;
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
}

bool idle(QDialog &d)
{
    return !d.property("scanning").toBool() &&
           d.findChild<QPushButton *>(QStringLiteral("scanButton"))->isEnabled();
}

QString valueOf(const QList<ScanOption> &options, const QString &name)
{
    for (const ScanOption &o : options)
        if (o.name == name)
            return o.value.toString();
    return {};
}

} // namespace

class tst_ScanOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void options_data();
    void options();
    void feederRunsEmptyAndGoesOnAfterRetry();
    void paperSizes_data();
    void paperSizes();
    void rememberedAcrossCopies();

private:
    void configure(const QString &key, const QString &value);
    std::unique_ptr<SaneTestScanner> m_scanner;
};

void tst_ScanOptions::initTestCase()
{
    m_scanner = std::make_unique<SaneTestScanner>();
    QVERIFY2(m_scanner->isValid(), qPrintable(m_scanner->errorString()));
    configure(QStringLiteral("enable-test-options"), QStringLiteral("true"));
}

// The backend reads its configuration when a fresh helper starts SANE.
void tst_ScanOptions::configure(const QString &key, const QString &value)
{
    QFile conf(m_scanner->configDir() + QStringLiteral("/test.conf"));
    QVERIFY(conf.open(QIODevice::ReadWrite));
    QString text = QString::fromUtf8(conf.readAll());
    text.replace(QRegularExpression(QStringLiteral("^%1 .*$").arg(key),
                                    QRegularExpression::MultilineOption),
                 key + QLatin1Char(' ') + value);
    conf.resize(0);
    conf.write(text.toUtf8());
}

void tst_ScanOptions::options_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("taken"); // empty: refused, read-only
    QTest::addColumn<QString>("appears");
    QTest::newRow("source") << "source" << "QComboBox" << QVariant("Automatic Document Feeder")
                            << "Automatic Document Feeder" << "";
    QTest::newRow("bool") << "bool-soft-select-soft-detect" << "QCheckBox" << QVariant(true)
                          << "true" << "";
    QTest::newRow("int") << "int" << "QSpinBox" << QVariant(7) << "7" << "";
    QTest::newRow("int range") << "int-constraint-range" << "QSpinBox" << QVariant(100) << "100"
                               << "";
    QTest::newRow("int list") << "int-constraint-word-list" << "QComboBox" << QVariant(256)
                              << "256" << "";
    QTest::newRow("int inexact") << "int-inexact" << "QSpinBox" << QVariant(5) << "6" << "";
    QTest::newRow("fixed inexact") << "fixed-constraint-range" << "QDoubleSpinBox"
                                   << QVariant(10.0) << "9.83" << "";
    QTest::newRow("fixed list") << "fixed-constraint-word-list" << "QComboBox" << QVariant(129.5)
                                << "129.5" << "";
    QTest::newRow("string") << "string" << "QLineEdit" << QVariant("Hello") << "Hello" << "";
    QTest::newRow("string list") << "string-constraint-string-list" << "QComboBox"
                                 << QVariant("Second entry") << "Second entry" << "";
    QTest::newRow("reload") << "read-limit" << "QCheckBox" << QVariant(true) << "true"
                            << "read-limit-size";
    QTest::newRow("button") << "button" << "QPushButton" << QVariant() << "" << "";
    QTest::newRow("soft detect") << "bool-soft-detect" << "QCheckBox" << QVariant(true) << ""
                                 << "";
    QTest::newRow("hard select") << "bool-hard-select-soft-detect" << "QCheckBox"
                                 << QVariant(true) << "" << "";
}

void tst_ScanOptions::options()
{
    QFETCH(QString, name);
    QFETCH(QString, widget);
    QFETCH(QVariant, value);
    QFETCH(QString, taken);
    QFETCH(QString, appears);
    SaneScannerLayer layer;
    QVERIFY(layer.TWAIN_IsAvailable());
    ScanDialog dialog(layer.session(), 0);
    dialog.show();
    QTRY_VERIFY(idle(dialog));
    auto *panel = dialog.findChild<ScanOptionsPanel *>(QStringLiteral("optionsPanel"));
    panel->showMoreOptions(true);
    QWidget *editor = panel->editor(name);
    QVERIFY(editor);
    QCOMPARE(editor->metaObject()->className(), widget);
    QCOMPARE(editor->isEnabled(), !taken.isEmpty() || widget == "QPushButton");
    if (!appears.isEmpty())
        QVERIFY(!panel->editor(appears)->isVisibleTo(&dialog));
    const QString before = valueOf(panel->options(), name);
    editor->setEnabled(true); // a read-only one must be refused by the device too
    setByUser(editor, value);
    QTRY_VERIFY(idle(dialog));
    const bool refused = taken.isEmpty() && widget != "QPushButton";
    QCOMPARE(dialog.property("message").toString(),
             refused ? QStringLiteral("The scanner's setting “%1” cannot be changed now.").arg(name)
                     : QString());
    QCOMPARE(valueOf(panel->options(), name), refused ? before : taken);
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(panel->editor(name)))
        QCOMPARE(spin->text().section(QLatin1Char(' '), 0, 0), taken); // what the device took
    if (!appears.isEmpty())
        QVERIFY(panel->editor(appears)->isVisibleTo(&dialog));
    dialog.reject();
}

void tst_ScanOptions::feederRunsEmptyAndGoesOnAfterRetry()
{
    SaneScannerLayer layer;
    layer.setOptionPreset(QStringLiteral("br-x"), 10.0);
    layer.setOptionPreset(QStringLiteral("br-y"), 10.0);
    ScanDialogDriver first;
    first
        .then([](QDialog *d) {
            setByUser(d->findChild<ScanOptionsPanel *>()->editor(QStringLiteral("source")),
                      QStringLiteral("Automatic Document Feeder"));
        })
        .pressEnter()
        .start();
    QCOMPARE(layer.TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(first.succeeded(), qPrintable(first.failure()));
    for (int sheet = 2; sheet <= 10; ++sheet) {
        ScanDialogDriver::acceptScanDialogSoon();
        QVERIFY2(layer.TWAIN_AcquireToClipboard(nullptr, 0) == 1, qPrintable(QString::number(sheet)));
    }
    const QImage tenth = QGuiApplication::clipboard()->image();
    bool nothingGiven = false;
    ScanDialogDriver eleventh;
    eleventh.pressEnter()
        .waitForMessage()
        .then([&](QDialog *) {
            nothingGiven = QGuiApplication::clipboard()->image() == tenth;
            QGuiApplication::clipboard()->clear(); // the user refills the feeder
        })
        .pressEnter()
        .start();
    QCOMPARE(layer.TWAIN_AcquireToClipboard(nullptr, 0), 1);
    QVERIFY2(eleventh.succeeded(), qPrintable(eleventh.failure()));
    QCOMPARE(eleventh.messages(), QStringList{QStringLiteral("The document feeder is empty.")});
    QVERIFY(nothingGiven);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(20, 20));
}

void tst_ScanOptions::paperSizes_data()
{
    QTest::addColumn<int>("bedMm");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<qint64>("memoryLimit");
    QTest::addColumn<QSize>("pixels"); // empty: refused as too large
    const QStringList all{"Whole area", "A4", "A5", "Letter", "Legal", "Custom"};
    QTest::newRow("default bed") << 200 << QStringList{"Whole area", "Custom"} << "Whole area"
                                 << qint64(0) << QSize(2000, 2000);
    QTest::newRow("A4 bed") << 300 << QStringList{"Whole area", "A4", "A5", "Letter", "Custom"}
                            << "A4" << qint64(0) << QSize(2100, 2970);
    QTest::newRow("A5 in memory") << 400 << all << "A5" << qint64(4000000) << QSize(1480, 2100);
    QTest::newRow("whole too large") << 400 << all << "Whole area" << qint64(4000000) << QSize();
    QTest::newRow("custom") << 200 << QStringList{"Whole area", "Custom"} << "Custom" << qint64(0)
                            << QSize(504, 300);
}

void tst_ScanOptions::paperSizes()
{
    QFETCH(int, bedMm);
    QFETCH(QStringList, offered);
    QFETCH(QString, choice);
    QFETCH(qint64, memoryLimit);
    QFETCH(QSize, pixels);
    configure(QStringLiteral("geometry_max"), QString::number(bedMm));
    SaneScannerLayer layer;
    layer.setMemoryLimit(memoryLimit);
    QVERIFY(layer.TWAIN_IsAvailable());
    ScanDialog dialog(layer.session(), 2);
    dialog.show();
    QTRY_VERIFY(idle(dialog));
    auto *paper = dialog.findChild<QComboBox *>(QStringLiteral("paperSizeBox"));
    QStringList names;
    for (int i = 0; i < paper->count(); ++i)
        names << paper->itemData(i).toString();
    QCOMPARE(names, offered);
    setByUser(dialog.findChild<QComboBox *>(QStringLiteral("resolutionBox")), "254 dpi");
    setByUser(paper, choice);
    const double custom[4] = {10, 20, 50.4, 30};
    for (int i = 0; choice == "Custom" && i < 4; ++i) {
        QTRY_VERIFY(idle(dialog));
        const char *box[4] = {"areaLeft", "areaTop", "areaWidth", "areaHeight"};
        setByUser(dialog.findChild<QDoubleSpinBox *>(box[i]), custom[i]);
    }
    QTRY_VERIFY(idle(dialog));
    if (choice == "Custom") // the device's steps are whole millimetres
        QCOMPARE(dialog.findChild<QDoubleSpinBox *>("areaWidth")->value(), 50.0);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(idle(dialog) || !dialog.isVisible(), 60000);
    QCOMPARE(dialog.page().size(), pixels);
    if (pixels.isEmpty())
        QVERIFY2(dialog.property("message").toString().contains("too large"),
                 qPrintable(dialog.property("message").toString()));
    configure(QStringLiteral("geometry_max"), QStringLiteral("200.0"));
}

void tst_ScanOptions::rememberedAcrossCopies()
{
    SaneScannerLayer layer;
    QStringList seen;
    for (int copy = 0; copy < 2; ++copy) {
        ScanDialogDriver driver;
        driver.then([&](QDialog *d) {
            auto *panel = d->findChild<ScanOptionsPanel *>();
            seen << panel->paperSize()
                 << qobject_cast<QSpinBox *>(panel->editor("int-constraint-range"))->text();
            if (copy == 0) {
                setByUser(panel->editor("int-constraint-range"), 100);
                panel->setCustomArea(QRectF(0, 0, 30, 20));
            }
        });
        driver.pressEnter().start();
        QCOMPARE(layer.TWAIN_AcquireToClipboard(nullptr, 0), 1);
        QVERIFY2(driver.succeeded(), qPrintable(driver.failure()));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), copy ? QSize(354, 236) : QSize(354, 236));
    }
    QCOMPARE(seen, (QStringList{"Whole area", "26 px", "Custom", "100 px"}));
}

QTEST_MAIN(tst_ScanOptions)
#include "tst_scanoptions.moc"
