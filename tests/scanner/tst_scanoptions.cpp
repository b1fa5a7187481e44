// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The device's own options in the scan dialog, against SANE's test backend
// with its test options on: one option of every kind and constraint.

#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ScanDialog.h"
#include "copyjob/scan/ScanOptionsPanel.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

// Sets a control as a user would, so it emits what a user's change emits.
void setByUser(QWidget *w, const QVariant &value)
{
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        const int i = combo->findData(value);
        combo->setCurrentIndex(i < 0 ? combo->findText(value.toString()) : i);
        emit combo->activated(combo->currentIndex());
    } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
        line->setText(value.toString()), line->setModified(true), emit line->editingFinished();
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        button->click();
    } else {
        w->metaObject()->userProperty().write(w, value); // checked, value
    }
}

bool idle(QDialog *d)
{
    return !d->property("scanning").toBool() &&
           d->findChild<QPushButton *>(QStringLiteral("scanButton"))->isEnabled();
}

const ScanOption *optionOf(QDialog &d, const QString &name)
{
    for (const ScanOption &o : d.findChild<ScanOptionsPanel *>()->options())
        if (o.name == name)
            return &o;
    return nullptr;
}

// Numbers by value (a fixed comes back as the nearest 1/65536), the rest as text.
bool same(const QVariant &a, const QVariant &b)
{
    if (b.typeId() == QMetaType::Double || b.typeId() == QMetaType::Int)
        return std::abs(a.toDouble() - b.toDouble()) < 0.005;
    return a.toString() == b.toString();
}

} // namespace

class tst_ScanOptions : public QObject
{
    Q_OBJECT
    std::unique_ptr<SaneTestScanner> m_scanner;
    // The backend reads this when a fresh helper starts SANE.
    bool configure(int bedMm)
    {
        return m_scanner->write("test.conf", "number_of_devices 2\nenable-test-options true\n"
                                             "resolution 50.0\ngeometry_max " +
                                                 QByteArray::number(bedMm) + '\n');
    }
private slots:
    void initTestCase()
    {
        m_scanner = std::make_unique<SaneTestScanner>();
        QVERIFY2(m_scanner->isValid() && configure(200), qPrintable(m_scanner->errorString()));
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void options_data();
    void options();
    void feederAndChoicesRememberedPerDevice();
    void paperSizes_data();
    void paperSizes();
};

void tst_ScanOptions::options_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("taken"); // invalid: refused as read-only
    QTest::addColumn<QString>("appears");
    struct Row
    {
        const char *row, *name, *widget;
        QVariant value, taken;
        const char *appears = "";
    };
    const QString feeder = QStringLiteral("Automatic Document Feeder");
    for (const Row &r : std::initializer_list<Row>{
             {"source", "source", "QComboBox", feeder, feeder},
             {"bool", "bool-soft-select-soft-detect", "QCheckBox", true, true},
             {"int", "int", "QSpinBox", 7, 7},
             {"int range", "int-constraint-range", "QSpinBox", 100, 100},
             {"int list", "int-constraint-word-list", "QComboBox", 256.0, 256},
             {"int inexact", "int-inexact", "QSpinBox", 5, 6},
             {"fixed inexact", "fixed-constraint-range", "QDoubleSpinBox", 10.0, 9.83},
             {"fixed list", "fixed-constraint-word-list", "QComboBox", 129.5, 129.5},
             {"string", "string", "QLineEdit", "Hello", "Hello"},
             {"string list", "string-constraint-string-list", "QComboBox", "Second entry",
              "Second entry"},
             {"reload", "read-limit", "QCheckBox", true, true, "read-limit-size"},
             {"button", "button", "QPushButton", {}, {}},
             {"soft detect", "bool-soft-detect", "QCheckBox", true, {}},
             {"hard select", "bool-hard-select-soft-detect", "QCheckBox", true, {}}})
        QTest::newRow(r.row) << r.name << r.widget << r.value << r.taken << r.appears;
}

void tst_ScanOptions::options()
{
    QFETCH(QString, name);
    QFETCH(QString, widget);
    QFETCH(QVariant, value);
    QFETCH(QVariant, taken);
    QFETCH(QString, appears);
    SaneScannerLayer layer;
    QVERIFY(layer.TWAIN_IsAvailable());
    ScanDialog dialog(layer.session(), 0);
    dialog.show();
    QTRY_VERIFY(idle(&dialog));
    auto *panel = dialog.findChild<ScanOptionsPanel *>(QStringLiteral("optionsPanel"));
    panel->showMoreOptions(true);
    QWidget *editor = panel->editor(name);
    QVERIFY(editor && editor->isVisibleTo(&dialog));
    QCOMPARE(editor->metaObject()->className(), widget);
    const bool readOnly = !taken.isValid() && widget != "QPushButton";
    QCOMPARE(editor->isEnabled(), !readOnly);
    const bool ranged = optionOf(dialog, name)->constraint == ScanOption::Constraint::Range;
    QCOMPARE(bool(panel->findChild<QSlider *>("slider-" + name)), ranged);
    if (!appears.isEmpty())
        QVERIFY(!panel->editor(appears)->isVisibleTo(&dialog));
    const QVariant before = optionOf(dialog, name)->value;
    editor->setEnabled(true); // the device itself must refuse a read-only one
    setByUser(editor, value);
    QTRY_VERIFY(idle(&dialog));
    QCOMPARE(dialog.property("message").toString(),
             readOnly
                 ? QStringLiteral("The scanner's setting “%1” cannot be changed now.").arg(name)
                 : QString());
    QVERIFY(same(optionOf(dialog, name)->value, readOnly ? before : taken));
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(panel->editor(name))) // what it took
        QVERIFY2(same(spin->text().section(' ', 0, 0).toDouble(), taken), qPrintable(spin->text()));
    if (!appears.isEmpty())
        QVERIFY(panel->editor(appears)->isVisibleTo(&dialog));
    dialog.reject();
}

// The feeder and an area chosen in the first dialog hold for every copy after,
// through the feeder running empty and a Retry, but only on that device.
void tst_ScanOptions::feederAndChoicesRememberedPerDevice()
{
    SaneScannerLayer layer;
    QStringList shown;
    for (int sheet = 1; sheet <= 12; ++sheet) {
        layer.session().setCurrentDevice(sheet < 12 ? "test:0" : "test:1");
        QGuiApplication::clipboard()->setImage(QImage(3, 3, QImage::Format_Mono));
        bool nothingGiven = false;
        ScanDialogDriver driver;
        driver.until([&](QDialog *d) {
            auto *panel = d->findChild<ScanOptionsPanel *>();
            if (!idle(d))
                return false;
            shown << panel->paperSize() + ' ' +
                         panel->editor("source")->property("currentText").toString();
            if (sheet == 1) {
                setByUser(d->findChild<QComboBox *>(QStringLiteral("resolutionBox")), 100);
                setByUser(panel->editor("source"), "Automatic Document Feeder");
                panel->setCustomArea(QRectF(0, 0, 30, 20)); // 118 x 78 pixels at 100 dpi
            }
            return true;
        });
        if (sheet == 11) // the feeder is empty; the user refills it and chooses Retry
            driver.pressEnter().waitForMessage().then([&](QDialog *) {
                nothingGiven = QGuiApplication::clipboard()->image().size() == QSize(3, 3);
            });
        driver.pressEnter().start();
        QVERIFY2(layer.TWAIN_AcquireToClipboard(nullptr, 0) == 1 && driver.succeeded(),
                 qPrintable(QString::number(sheet) + driver.failure()));
        QCOMPARE(QGuiApplication::clipboard()->image().size(),
                 sheet < 12 ? QSize(118, 78) : QSize(787, 787));
        QCOMPARE(driver.messages(),
                 sheet == 11 ? QStringList{"The document feeder is empty."} : QStringList());
        QCOMPARE(nothingGiven, sheet == 11);
    }
    QStringList expected(10, "Custom Automatic Document Feeder");
    expected.prepend("Whole area Flatbed");
    QCOMPARE(shown, expected << "Whole area Flatbed");
}

void tst_ScanOptions::paperSizes_data()
{
    QTest::addColumn<int>("bedMm");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<qint64>("memoryLimit");
    QTest::addColumn<QSize>("pixels"); // what the device gives at 100 dpi; empty: too large
    const QStringList all{"Whole area", "A4", "A5", "Letter", "Legal", "Custom"};
    const QStringList small{"Whole area", "Custom"};
    QTest::newRow("default bed") << 200 << small << "Whole area" << qint64(0) << QSize(787, 787);
    QTest::newRow("A4 bed") << 300 << QStringList{"Whole area", "A4", "A5", "Letter", "Custom"}
                            << "A4" << qint64(0) << QSize(826, 1169);
    QTest::newRow("A5 in memory") << 400 << all << "A5" << qint64(1000000) << QSize(582, 826);
    QTest::newRow("whole too large")
        << 400 << all << "Whole area" << qint64(1000000) << QSize(0, 0);
    QTest::newRow("custom") << 200 << small << "Custom" << qint64(0) << QSize(196, 118);
}

void tst_ScanOptions::paperSizes()
{
    QFETCH(int, bedMm);
    QFETCH(QStringList, offered);
    QFETCH(QString, choice);
    QFETCH(qint64, memoryLimit);
    QFETCH(QSize, pixels);
    QVERIFY(configure(bedMm));
    SaneScannerLayer layer;
    layer.setMemoryLimit(memoryLimit);
    QVERIFY(layer.TWAIN_IsAvailable());
    ScanDialog dialog(layer.session(), 2);
    dialog.show();
    QTRY_VERIFY(idle(&dialog));
    auto *paper = dialog.findChild<QComboBox *>(QStringLiteral("paperSizeBox"));
    QStringList names;
    for (int i = 0; i < paper->count(); ++i)
        names << paper->itemData(i).toString();
    QCOMPARE(names, offered);
    setByUser(dialog.findChild<QComboBox *>(QStringLiteral("resolutionBox")), 100);
    setByUser(paper, choice);
    const char *boxes[4] = {"areaLeft", "areaTop", "areaWidth", "areaHeight"};
    const double custom[4] = {10, 20, 50.4, 30};
    for (int i = 0; choice == "Custom" && i < 4; ++i) {
        QTRY_VERIFY(idle(&dialog));
        setByUser(dialog.findChild<QDoubleSpinBox *>(boxes[i]), custom[i]);
    }
    QTRY_VERIFY(idle(&dialog));
    if (choice == "Custom") // the device's steps are whole millimetres
        QCOMPARE(dialog.findChild<QDoubleSpinBox *>("areaWidth")->value(), 50.0);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(idle(&dialog) || !dialog.isVisible(), 60000);
    QCOMPARE(dialog.page().size(), pixels);
    if (pixels.isNull())
        QVERIFY2(dialog.property("message").toString().contains("more than this computer's memory"),
                 qPrintable(dialog.property("message").toString()));
    QVERIFY(configure(200));
}

QTEST_MAIN(tst_ScanOptions)
#include "tst_scanoptions.moc"
