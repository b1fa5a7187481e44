// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scan dialog's preview: the area drawn on it is the area scanned, its
// failures are told as a scan's are, and the rules of dragging on it.

#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ui/PreviewPane.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"
#include "copyjob/scan/ui/SourceDialog.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

using State = ScanDialog::State;

struct Dialog
{
    ScanDialog dialog;
    PreviewPane *pane;
    QPushButton *preview;
    Dialog(SaneScannerLayer &layer) : dialog(layer.session(), layer.memory(), {})
    {
        dialog.show();
        pane = dialog.findChild<PreviewPane *>(QStringLiteral("previewPane"));
        preview = dialog.findChild<QPushButton *>(QStringLiteral("previewButton"));
    }
    State state() const { return dialog.property("state").value<State>(); }
    QVariant option(const QString &name) const
    {
        for (const ScanOption &o : dialog.findChild<ScanOptionsPanel *>()->options())
            if (o.name == name)
                return o.value;
        return {};
    }
    void press(const char *button)
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    }
};

// Every pixel of part is found in whole at offset, give or take the
// device's rounding of one pixel either way.
bool cutFrom(const QImage &whole, const QImage &part, QPoint offset)
{
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const QPoint at = offset + QPoint(x + dx, y + dy);
                    found = whole.valid(at) && whole.pixel(at) == part.pixel(x, y);
                }
            if (!found)
                return false;
        }
    return true;
}

} // namespace

class tst_Preview : public QObject
{
    Q_OBJECT
    SaneTestScanner m_scanner;

    // Opens a dialog at 300 dpi grey, ready to be used.
    static bool ready(Dialog &d)
    {
        if (!QTest::qWaitFor([&] { return scanDialogReady(&d.dialog); }, 20000))
            return false;
        setByUser(d.dialog.findChild<QComboBox *>("modeBox"), "Gray");
        setByUser(d.dialog.findChild<QComboBox *>("resolutionBox"), 300);
        return QTest::qWaitFor([&] { return d.state() == State::Ready; }, 20000);
    }
    static QImage scan(Dialog &d)
    {
        d.press("scanButton");
        if (!QTest::qWaitFor([&] { return d.dialog.result() == QDialog::Accepted; }, 30000))
            return {};
        return d.dialog.page();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_scanner.isValid(), qPrintable(m_scanner.errorString()));
        LetDriverCrashesThrough();
    }
    void init() { QVERIFY(m_scanner.setDeviceCount(2)); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // A rectangle dragged on the preview of the grid (10 mm squares, drawn
    // from the corner of each scan) is what the device scans: the same
    // pixels as that part of the whole bed.
    void drawnAreaIsScanned()
    {
        SaneScannerLayer layer;
        layer.setOptionPreset("test-picture", "Grid");
        QImage part;
        {
            Dialog d(layer);
            QVERIFY(ready(d));
            d.press("previewButton");
            QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready && !d.pane->picture().isNull(),
                                     20000);
            QCOMPARE(d.pane->picture().size(), QSize(590, 590)); // 200 mm at 75 dpi
            QCOMPARE(d.dialog.findChild<QComboBox *>("resolutionBox")->currentData(), 300);
            // Resized to 400 x 300, the bed is 300 pixels square from x = 50:
            // 1.5 pixels a millimetre. From one square's corner to another's,
            // (40, 60) mm to (150, 170) and back to (100, 140).
            d.pane->setFixedSize(400, 300);
            QTRY_COMPARE(d.pane->geometry().view(), QRectF(50, 0, 300, 300));
            QTest::mousePress(d.pane, Qt::LeftButton, {}, QPoint(110, 90));
            QTest::mouseMove(d.pane, QPoint(275, 255));
            QTest::mouseMove(d.pane, QPoint(200, 210));
            QTest::mouseRelease(d.pane, Qt::LeftButton, {}, QPoint(200, 210));
            QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready, 20000);
            QStringList corners;
            for (const char *name : {"tl-x", "tl-y", "br-x", "br-y"})
                corners << QString::number(d.option(name).toDouble());
            QCOMPARE(corners.join(' '), "40 60 100 140");
            QCOMPARE(d.pane->area(), QRectF(QPointF(40, 60), QPointF(100, 140)));
            part = scan(d);
        }
        QCOMPARE(layer.memory().resolution("test:0"), 300); // the preview's 75 is not remembered
        Dialog d(layer);
        QVERIFY(ready(d));
        QVERIFY(!d.pane->picture().isNull()); // kept for the next copy
        setByUser(d.dialog.findChild<QComboBox *>("paperSizeBox"), ScanArea::wholeAreaKey());
        QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready, 20000);
        QCOMPARE(d.pane->area(), QRectF(0, 0, 200, 200)); // the rectangle follows the choice
        const QImage whole = scan(d);
        QCOMPARE(whole.size(), QSize(2362, 2362));
        QVERIFY(qAbs(part.width() - 709) <= 1 && qAbs(part.height() - 945) <= 1);
        QVERIFY(cutFrom(whole, part, QPoint(472, 709)));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("fault"); // option=value=value that cures it
        QTest::addColumn<QString>("message");
        QTest::newRow("device error")
            << "test:0"
            << "read-return-value=SANE_STATUS_IO_ERROR=Default" << scannerStatusWords("IO_ERROR");
        QTest::newRow("helper died")
            << "faulty:0"
            << "fault=segfault=none"
            << "The scanner driver stopped working for faulty:0 (it was ended by signal 11, "
               "Segmentation fault). Choose Retry to start it again.";
    }

    // A preview fails in the words a scan fails in, with Retry, which
    // previews again.
    void failures()
    {
        QFETCH(QString, device);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QVERIFY(m_scanner.addFaultyBackend());
        SaneScannerLayer layer;
        layer.setCurrentDevice(device);
        Dialog d(layer);
        QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready, 20000);
        const QString option = fault.section('=', 0, 0);
        layer.setOptionPreset(option, fault.section('=', 1, 1));
        d.press("previewButton");
        QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Failed, 20000);
        const auto *scanButton = d.dialog.findChild<QPushButton *>("scanButton");
        QCOMPARE(d.dialog.property("message").toString() + " | " + scanButton->text(),
                 message + " | &Retry");
        QVERIFY(accessibleTree(&d.dialog).contains("StaticText " + message)); // read as shown
        QVERIFY(d.pane->picture().isNull());
        layer.setOptionPreset(option, fault.section('=', 2)); // the device keeps its setting
        d.press("scanButton");
        QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready && !d.pane->picture().isNull(), 20000);
        QCOMPARE(d.dialog.result(), QDialog::Rejected); // still open: no page was scanned
        d.dialog.reject();
    }

    // The scan and source dialogs as a screen reader reads them, More options
    // shown: every control says what it is, by its name or, for a combo box
    // (whose name is its value), by its label; a container (the scrolled
    // options) is only passed through.
    void accessible()
    {
        const QRegularExpression unnamed("^(?!Client )\\w+ ( \\*)?$|^ComboBox (?!.* <- )");
        SaneScannerLayer layer;
        QStringList read;
        {
            Dialog d(layer);
            QVERIFY(ready(d));
            d.dialog.findChild<ScanOptionsPanel *>()->showMoreOptions(true);
            read = accessibleTree(&d.dialog);
        }
        SourceDialog source(layer.session());
        source.show();
        QTRY_COMPARE_WITH_TIMEOUT(source.state(), SourceDialog::State::Ready, 20000);
        const QStringList listed = accessibleTree(&source);
        QVERIFY(listed.contains("ListItem Noname frontend-tester (test:1)"));
        QCOMPARE((read + listed).filter(unnamed), QStringList());
    }

    // A preview would take a sheet from the feeder.
    void notFromTheFeeder()
    {
        SaneScannerLayer layer;
        Dialog d(layer);
        QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready, 20000);
        QVERIFY(d.preview->isEnabled());
        auto *panel = d.dialog.findChild<ScanOptionsPanel *>();
        for (const QString source : {"Automatic Document Feeder", "Flatbed"}) {
            setByUser(panel->editor("source"), source);
            QTRY_VERIFY_WITH_TIMEOUT(d.state() == State::Ready, 20000);
            const bool feeder = source != "Flatbed";
            QCOMPARE(d.preview->isEnabled(), !feeder);
            QCOMPARE(d.preview->toolTip().isEmpty(), !feeder);
        }
    }

    // Where a bed lies in a pane, and a point of it in pixels, worked out by hand.
    void mapping_data()
    {
        QTest::addColumn<QRectF>("bed"); // millimetres
        QTest::addColumn<QSizeF>("pane");
        QTest::addColumn<QRectF>("view");
        QTest::addColumn<QPointF>("mm");
        QTest::addColumn<QPointF>("px");
        QTest::newRow("square") << QRectF(0, 0, 200, 200) << QSizeF(400, 300)
                                << QRectF(50, 0, 300, 300) << QPointF(40, 60) << QPointF(110, 90);
        QTest::newRow("portrait") << QRectF(0, 0, 100, 200) << QSizeF(400, 300)
                                  << QRectF(125, 0, 150, 300) << QPointF(20, 50)
                                  << QPointF(155, 75);
        QTest::newRow("landscape")
            << QRectF(0, 0, 300, 100) << QSizeF(300, 300) << QRectF(0, 100, 300, 100)
            << QPointF(30, 40) << QPointF(30, 140);
        QTest::newRow("offset") << QRectF(10, 20, 200, 100) << QSizeF(400, 300)
                                << QRectF(0, 50, 400, 200) << QPointF(60, 70) << QPointF(100, 150);
    }

    void mapping()
    {
        QFETCH(QRectF, bed);
        QFETCH(QSizeF, pane);
        QFETCH(QRectF, view);
        QFETCH(QPointF, mm);
        QFETCH(QPointF, px);
        PreviewGeometry g;
        g.place(bed, pane);
        QCOMPARE(g.view(), view);
        QCOMPARE(g.toPixels(mm), px);
        QCOMPARE(g.toMm(px), mm);
        QCOMPARE(g.toPixels(bed), view);
        QCOMPARE(g.toMm(QPointF(-1000, 1000)), bed.bottomLeft()); // beyond it: its edge
    }

    // On a 200 x 200 mm bed shown 300 pixels square.
    void dragging_data()
    {
        using G = PreviewGeometry;
        QTest::addColumn<QRectF>("area");
        QTest::addColumn<QPointF>("from"); // millimetres
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("grip");
        QTest::addColumn<QRectF>("result");
        const QRectF area(50, 50, 100, 100), bed(0, 0, 200, 200);
        QTest::newRow("corner, past the bed")
            << area << QPointF(51, 149) << QPointF(-30, 260) << int(G::Left | G::Bottom)
            << QRectF(QPointF(0, 50), QPointF(150, 200));
        QTest::newRow("edge past the other") << area << QPointF(150, 100) << QPointF(20, 0)
                                             << int(G::Right) << QRectF(20, 50, 30, 100);
        QTest::newRow("moved against the edge") << area << QPointF(100, 100) << QPointF(250, 120)
                                                << int(G::Inside) << QRectF(100, 70, 100, 100);
        QTest::newRow("whole bed: drawn anew, upwards")
            << bed << QPointF(120, 130) << QPointF(30, 40) << int(G::None)
            << QRectF(QPointF(30, 40), QPointF(120, 130));
        QTest::newRow("tiny area: nearer edge")
            << QRectF(50, 50, 2, 2) << QPointF(52, 50) << QPointF(60, 50) << int(G::Right | G::Top)
            << QRectF(50, 50, 10, 2);
    }

    void dragging()
    {
        QFETCH(QRectF, area);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, grip);
        QFETCH(QRectF, result);
        PreviewGeometry g;
        g.place(QRectF(0, 0, 200, 200), QSizeF(400, 300));
        QCOMPARE(g.view(), QRectF(50, 0, 300, 300));
        QCOMPARE(g.grip(area, g.toPixels(from), 6), grip);
        const QRectF dragged = g.dragged(area, grip, g.toPixels(from), g.toPixels(to));
        QVERIFY2(qAbs(dragged.left() - result.left()) + qAbs(dragged.top() - result.top()) +
                         qAbs(dragged.right() - result.right()) +
                         qAbs(dragged.bottom() - result.bottom()) <
                     1e-6,
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(dragged.left())
                                .arg(dragged.top())
                                .arg(dragged.width())
                                .arg(dragged.height())));
    }
};

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
