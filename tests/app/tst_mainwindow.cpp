// The panel as it comes up: layout, captions, the lit displays as painted into
// the window's image, and a start-up that touches no device.
#include "FakeScannerLayer.h"
#include "app/frmMain.h"
#include "common/Resources.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "panel/LabelButton.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

struct Cell
{
    int x, y, glyphId;
};

// True when the 24 x 30 cell at (x, y) of img shows glyph id exactly.
bool cellShows(const QImage &img, int x, int y, int id)
{
    const QImage glyph = LoadResPicture(id).convertToFormat(QImage::Format_RGB32);
    return img.copy(x, y, 24, 30).convertToFormat(QImage::Format_RGB32) == glyph;
}

// True when every pixel of img outside the given cells is black.
bool blackOutside(const QImage &img, const QList<Cell> &cells)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            bool inCell = false;
            for (const Cell &c : cells)
                inCell = inCell || (x >= c.x && x < c.x + 24 && y >= c.y && y < c.y + 30);
            if (!inCell && (img.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
        }
    return true;
}

QList<Cell> cellsOf(const QString &glyphs, int x, int y)
{
    QList<Cell> cells;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        const QChar ch = glyphs.at(i);
        const int id = ch == u'%' ? 143 : ch == u' ' ? 145 : 101 + ch.digitValue();
        cells << Cell{x + 24 * int(i), y, id};
    }
    return cells;
}

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    ApplicationPrinter printer;
    std::unique_ptr<frmMain> form;

    void verifyCells(const QImage &img, const QList<Cell> &cells)
    {
        for (const Cell &c : cells)
            QVERIFY2(cellShows(img, c.x, c.y, c.glyphId),
                     qPrintable(QStringLiteral("cell at (%1, %2) is not glyph %3")
                                    .arg(c.x)
                                    .arg(c.y)
                                    .arg(c.glyphId)));
    }

private slots:
    void init()
    {
        scanner = FakeScannerLayer();
        form = std::make_unique<frmMain>(scanner, printer);
        form->Form_Load();
    }
    void cleanup() { form.reset(); }

    void startUpPaintsExactlyTheTrailingBlankCells()
    {
        const QList<Cell> cells =
            cellsOf(QStringLiteral("1 "), 20, 32) + cellsOf(QStringLiteral("100% "), 20, 100);
        verifyCells(form->image(), cells);
        QVERIFY(blackOutside(form->image(), cells));
    }

    void repaintsLeaveNoStaleCells_data()
    {
        QTest::addColumn<bool>("copies");
        QTest::addColumn<QList<int>>("menuSteps");
        QTest::addColumn<QString>("shown"); // the display's cells, left to right
        QTest::newRow("99% after 100%") << false << QList<int>{3} << "99%  ";
        QTest::newRow("9 after 10") << true << QList<int>{5, 5, 3, 3} << "9  ";
        QTest::newRow("1% after 20%")
            << false
            << QList<int>{0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 0}
            << "1%  ";
        QTest::newRow("200% after 199%") << false << QList<int>{7, 7, 7, 7} << "200% ";
    }

    void repaintsLeaveNoStaleCells()
    {
        QFETCH(bool, copies);
        QFETCH(QList<int>, menuSteps);
        QFETCH(QString, shown);
        QMenu *menu = copies ? form->mnuCopies : form->mnuScale;
        for (int index : menuSteps)
            menu->actions().at(index)->trigger();
        const int y = copies ? 32 : 100;
        verifyCells(form->image(), cellsOf(shown, 20, y));
    }

    void displaysSurviveBeingCovered()
    {
        // A repaint from scratch (what uncovering triggers) shows the same cells.
        const QImage screen = form->grab().toImage();
        verifyCells(screen, cellsOf(QStringLiteral("1 "), 20, 32));
        verifyCells(screen, cellsOf(QStringLiteral("100% "), 20, 100));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("visible");
        const QColor bright(0, 255, 0), dark(0, 128, 0), red(255, 0, 0);
        QTest::newRow("Copies") << "lblCopies"
                                << "Copies" << QPoint(8, 16) << 8 << bright << "" << true;
        QTest::newRow("Scale") << "lblScale"
                               << "Scale" << QPoint(8, 80) << 8 << bright << "" << true;
        QTest::newRow("Darkness") << "lblDarkness"
                                  << "Darkness" << QPoint(40, 168) << 8 << bright << "" << false;
        QTest::newRow("Select Source")
            << "lblSelectSource"
            << "Select Source" << QPoint(160, 16) << 8 << bright << "" << true;
        QTest::newRow("Save") << "lblSave"
                              << "Save" << QPoint(160, 40) << 8 << dark << "False" << true;
        QTest::newRow("Print to default")
            << "lblPrintToDefault"
            << "Print to default" << QPoint(160, 56) << 8 << dark << "False" << true;
        QTest::newRow("Copy") << "lblCopy"
                              << "Copy" << QPoint(160, 96) << 18 << bright << "" << true;
        QTest::newRow("Exit") << "lblExit"
                              << "Exit" << QPoint(272, 104) << 12 << red << "" << true;
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QPoint, topLeft);
        QFETCH(int, pointSize);
        QFETCH(QColor, color);
        QFETCH(QString, tag);
        QFETCH(bool, visible);

        auto *label = form->findChild<LabelButton *>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->font().pointSize(), pointSize);
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->property("ForeColor").value<QColor>(), color);
        QCOMPARE(label->palette().color(QPalette::WindowText), color);
        QCOMPARE(label->property("Tag").toString(), tag);
        QCOMPARE(label->isVisible(), visible);
        QCOMPARE(label->accessibleName(), caption);
        // Auto-size: exactly as wide and high as the caption in its font.
        const QFontMetrics fm(label->font());
        QCOMPARE(label->size(), QSize(fm.horizontalAdvance(caption), fm.height()));
        QVERIFY(!label->autoFillBackground());
    }

    void windowFrame()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Mirel"));
        QCOMPARE(form->size(), QSize(361, 146));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(form->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(form->windowIcon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(form->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(form->findChildren<QMenuBar *>().isEmpty());
        QVERIFY(!form->mnuCopies->isVisible());
        QVERIFY(!form->mnuScale->isVisible());
        // The scale display and its hot zone reach row 129 and 130.
        QVERIFY(form->rect().contains(QPoint(116 + 23, 130)));
        QVERIFY(form->isVisible());
    }

    void startUpRegistersAndLooksForNoDevice()
    {
        QCOMPARE(scanner.availableCalls, 0);
        QCOMPARE(scanner.acquireCalls, 0);
        QVERIFY(!printer.created());
    }

    void clickBetweenLettersCountsOnlyOnLabels()
    {
        // A left click on the panel outside every label and display changes nothing.
        QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(int(form->counters().copies()), 1);
        QCOMPARE(form->lblSave->tag(), QStringLiteral("False"));
        // A click inside the Save caption's box toggles it, letters or not.
        QTest::mouseClick(form->lblSave, Qt::LeftButton, {},
                          QPoint(1, form->lblSave->height() - 1));
        QCOMPARE(form->lblSave->tag(), QStringLiteral("True"));
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
