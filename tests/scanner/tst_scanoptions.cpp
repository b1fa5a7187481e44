// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The device's own options in the scan dialog, against SANE's test backend
// with its test options on: one option of every kind and constraint.

#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

namespace {

struct OptionRow
{
    QString name, widget;
    QVariant value, taken; // taken invalid: refused as read-only
    QString appears = {};  // an option the change makes active
};

struct PaperRow
{
    int bedMm;
    QStringList offered;
    QString choice;
    qint64 memoryLimit;
    QSize pixels; // what the device gives at 100 dpi; 0 x 0: too large
};

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
    return b.typeId() == QMetaType::QString ? a.toString() == b.toString()
                                            : std::abs(a.toDouble() - b.toDouble()) < 0.005;
}

} // namespace

Q_DECLARE_METATYPE(OptionRow)
Q_DECLARE_METATYPE(PaperRow)

class tst_ScanOptions : public QObject
{
    Q_OBJECT
    std::unique_ptr<SaneTestScanner> m_scanner;
    // The backend reads this when a fresh helper starts SANE.
    bool configure(int bedMm)
    {
        return m_scanner->write("test.conf", "number_of_devices 2\nenable-test-options true\n"
                                             "resolution 50\ngeometry_max " +
                                                 QByteArray::number(bedMm));
    }

private slots:
    void initTestCase()
    {
        m_scanner = std::make_unique<SaneTestScanner>();
        QVERIFY2(m_scanner->isValid() && configure(200), qPrintable(m_scanner->errorString()));
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void options_data()
    {
        QTest::addColumn<OptionRow>("row");
        const QString feeder = QStringLiteral("Automatic Document Feeder");
        QTest::newRow("source") << OptionRow{"source", "QComboBox", feeder, feeder};
        // A plain bool is the reload row's, a plain int the inexact one's (its
        // default is 67, so 6 comes only from the 5 set).
        QTest::newRow("int range") << OptionRow{"int-constraint-range", "QSpinBox", 100, 100};
        QTest::newRow("int list") << OptionRow{"int-constraint-word-list", "QComboBox", 256.0, 256};
        QTest::newRow("int inexact") << OptionRow{"int-inexact", "QSpinBox", 5, 6};
        QTest::newRow("fixed inexact")
            << OptionRow{"fixed-constraint-range", "QDoubleSpinBox", 10.0, 9.83};
        QTest::newRow("fixed list")
            << OptionRow{"fixed-constraint-word-list", "QComboBox", 129.5, 129.5};
        QTest::newRow("string") << OptionRow{"string", "QLineEdit", "Hello", "Hello"};
        QTest::newRow("string list") << OptionRow{"string-constraint-string-list", "QComboBox",
                                                  "Second entry", "Second entry"};
        QTest::newRow("reload") << OptionRow{"read-limit", "QCheckBox", true, true,
                                             "read-limit-size"};
        QTest::newRow("button") << OptionRow{"button", "QPushButton", {}, {}};
        QTest::newRow("soft detect") << OptionRow{"bool-soft-detect", "QCheckBox", true, {}};
        QTest::newRow("hard select")
            << OptionRow{"bool-hard-select-soft-detect", "QCheckBox", true, {}};
    }

    // Each kind of option gets its control; what is set reaches the device
    // and what the device took is shown; read-only ones are refused.
    void options()
    {
        QFETCH(OptionRow, row);
        SaneScannerLayer layer;
        ScanDialog dialog(layer.session(), layer.memory(), {});
        dialog.show();
        QTRY_VERIFY(scanDialogReady(&dialog));
        auto *panel = dialog.findChild<ScanOptionsPanel *>(QStringLiteral("optionsPanel"));
        panel->showMoreOptions(true);
        QWidget *editor = panel->editor(row.name);
        QVERIFY(editor && editor->isVisibleTo(&dialog));
        QCOMPARE(editor->metaObject()->className(), row.widget);
        const bool readOnly = !row.taken.isValid() && row.widget != "QPushButton";
        QCOMPARE(editor->isEnabled(), !readOnly);
        QCOMPARE(bool(panel->findChild<QSlider *>("slider-" + row.name)),
                 optionOf(dialog, row.name)->constraint == ScanOption::Constraint::Range);
        QVERIFY(row.appears.isEmpty() || !panel->editor(row.appears)->isVisibleTo(&dialog));
        const QVariant before = optionOf(dialog, row.name)->value;
        // The wheel over a control it could turn, or its slider, only scrolls the
        // list; over a combo box's own popup list it leaves the settings alone.
        if (qobject_cast<QComboBox *>(editor) || qobject_cast<QAbstractSpinBox *>(editor)) {
            const auto wheelOver = [](QWidget *w) {
                QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, {0, -120}, Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                if (w)
                    QApplication::sendEvent(w, &wheel);
            };
            wheelOver(editor);
            wheelOver(panel->findChild<QWidget *>("slider-" + row.name));
            QScrollBar *list = panel->findChild<QScrollArea *>()->verticalScrollBar();
            const int scrolled = list->value();
            wheelOver(editor->findChild<QScrollBar *>());
            QVERIFY(scrolled > 0 && list->value() == scrolled);
            QTRY_VERIFY(scanDialogReady(&dialog));
            QCOMPARE(optionOf(dialog, row.name)->value, before);
        }
        editor->setEnabled(true); // the device itself must refuse a read-only one
        setByUser(editor, row.value);
        QTRY_VERIFY(scanDialogReady(&dialog));
        const QString refusal = QStringLiteral("The scanner's setting “%1” cannot be changed now.");
        QCOMPARE(dialog.property("message").toString(), readOnly ? refusal.arg(row.name) : "");
        QVERIFY(same(optionOf(dialog, row.name)->value, readOnly ? before : row.taken));
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(panel->editor(row.name)))
            QVERIFY2(same(spin->text().section(' ', 0, 0).toDouble(), row.taken),
                     qPrintable(spin->text()));
        QVERIFY(row.appears.isEmpty() || panel->editor(row.appears)->isVisibleTo(&dialog));
        dialog.reject();
    }

    // The feeder and an area chosen in the first dialog hold for every copy
    // after, through the feeder running empty and a Retry, only on that device.
    void feederAndChoicesRememberedPerDevice()
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
                if (!scanDialogReady(d))
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
            QVERIFY2(!layer.TWAIN_AcquireToClipboard(nullptr, 0).isNull() && driver.succeeded(),
                     qPrintable(QString::number(sheet) + driver.failure()));
            QCOMPARE(QGuiApplication::clipboard()->image().size(),
                     sheet < 12 ? QSize(118, 78) : QSize(787, 787));
            QCOMPARE(driver.messages(),
                     sheet == 11 ? QStringList{"The document feeder is empty. | &Retry | Cancel"}
                                 : QStringList());
            QCOMPARE(nothingGiven, sheet == 11);
        }
        QStringList expected(10, "custom Automatic Document Feeder");
        expected.prepend("whole Flatbed");
        QCOMPARE(shown, expected << "whole Flatbed");
    }

    void paperSizes_data()
    {
        QTest::addColumn<PaperRow>("row");
        // The keys the sizes are kept by (PWG's names).
        const QStringList all{"whole",
                              "iso_a4_210x297mm",
                              "iso_a5_148x210mm",
                              "na_letter_8.5x11in",
                              "na_legal_8.5x14in",
                              "custom"};
        const QStringList small{"whole", "custom"}, upToA4 = all.mid(0, 4) << "custom";
        QTest::newRow("default bed") << PaperRow{200, small, "whole", 0, {787, 787}};
        QTest::newRow("A4 bed") << PaperRow{300, upToA4, all[1], 0, {826, 1169}};
        QTest::newRow("A5 in memory") << PaperRow{400, all, all[2], 1000000, {582, 826}};
        QTest::newRow("whole too large") << PaperRow{400, all, "whole", 1000000, {0, 0}};
        QTest::newRow("custom") << PaperRow{200, small, "custom", 0, {196, 118}};
    }

    // Only sizes that fit are offered; the device scans the size chosen, and
    // the memory limit holds for that size.
    void paperSizes()
    {
        QFETCH(PaperRow, row);
        QVERIFY(configure(row.bedMm));
        SaneScannerLayer layer;
        layer.setMemoryLimit(row.memoryLimit);
        ScanDialog dialog(layer.session(), layer.memory(), PixelType::Grey);
        dialog.show();
        QTRY_VERIFY(scanDialogReady(&dialog));
        auto *paper = dialog.findChild<QComboBox *>(QStringLiteral("paperSizeBox"));
        QStringList names;
        for (int i = 0; i < paper->count(); ++i)
            names << paper->itemData(i).toString();
        QCOMPARE(names, row.offered);
        // What the device scans from the start, not an area of its own.
        QCOMPARE(dialog.findChild<QDoubleSpinBox *>("areaWidth")->value(), double(row.bedMm));
        QCOMPARE(dialog.findChild<QDoubleSpinBox *>("areaHeight")->value(), double(row.bedMm));
        setByUser(dialog.findChild<QComboBox *>(QStringLiteral("resolutionBox")), 100);
        setByUser(paper, row.choice);
        for (auto [box, mm] : {std::pair{"areaLeft", 10.0},
                               {"areaTop", 20.0},
                               {"areaWidth", 50.4},
                               {"areaHeight", 30.0}}) {
            QTRY_VERIFY(scanDialogReady(&dialog));
            if (row.choice == "custom")
                setByUser(dialog.findChild<QDoubleSpinBox *>(box), mm);
        }
        QTRY_VERIFY(scanDialogReady(&dialog));
        if (row.choice == "custom") // the device's steps are whole millimetres
            QCOMPARE(dialog.findChild<QDoubleSpinBox *>("areaWidth")->value(), 50.0);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(scanDialogReady(&dialog) || !dialog.isVisible(), 60000);
        QCOMPARE(dialog.page().size(), row.pixels);
        if (row.pixels.isNull())
            QCOMPARE(dialog.message(), "This scan would be 1574 × 1574 pixels (2 MiB), more than "
                                       "this computer's memory can hold. Choose a lower "
                                       "resolution.");
        QVERIFY(configure(200));
    }

    // SANE's test scanner has no picture settings: where a device has them,
    // they stand at the top with their own ranges, an advanced one under
    // More options.
    void pictureSettingsAtTheTop()
    {
        QList<ScanOption> options;
        using Capability = ScanOption::Capability;
        for (auto [name, max, advanced] : {std::tuple{"brightness", 100, false},
                                           {"threshold", 255, false},
                                           {"contrast", 50, true}}) {
            ScanOption o;
            o.name = o.title = QString::fromLatin1(name);
            o.capabilities = Capability::Settable;
            o.capabilities.setFlag(Capability::Advanced, advanced);
            o.constraint = ScanOption::Constraint::Range;
            o.minimum = -max;
            o.maximum = max;
            o.quant = 1;
            o.value = 0;
            options << o;
        }
        ScanOptionsPanel panel;
        panel.setOptions(options);
        const QWidget *more = panel.findChild<QWidget *>(QStringLiteral("moreOptions"));
        for (const ScanOption &o : options) {
            auto *box = qobject_cast<QSpinBox *>(panel.editor(o.name));
            QVERIFY2(box, qPrintable(o.name));
            QCOMPARE(more->isAncestorOf(box), o.name == "contrast");
            QCOMPARE(box->minimum(), -box->maximum());
            QCOMPARE(box->maximum(), int(o.maximum));
        }
    }
};

QTEST_MAIN(tst_ScanOptions)
#include "tst_scanoptions.moc"
