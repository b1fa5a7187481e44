// The panel as it comes up and as it is used: the lit displays painted into
// the window's image and onto the screen, captions that fit beside each
// other, the step menus, and a start-up that touches no device.
#include "app/frmMain.h"
#include "common/Resources.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "harness/FakeScannerLayer.h"
#include "panel/GlyphDisplay.h"
#include "panel/LabelButton.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTest>

class tst_mainwindow : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    ApplicationPrinter printer;
    std::unique_ptr<frmMain> form;

    // The cells a display shows text in, with the blank cell after it.
    static QRect cells(Counters::Display display, const QString &text)
    {
        return {Counters::origin(display), QSize((text.size() + 1) * kGlyphWidth, kGlyphHeight)};
    }

private slots:
    void init()
    {
        form = std::make_unique<frmMain>(scanner, printer);
        form->Form_Load();
    }

    void startUpTouchesNoDevice()
    {
        QCOMPARE(scanner.deviceCalls, 0);
        QVERIFY(!printer.created());
        QVERIFY(form->isVisible() && !form->mnuCopies->isVisible() && !form->mnuScale->isVisible());
        const QList<QSize> icons = form->windowIcon().availableSizes();
        QVERIFY(icons.contains(QSize(16, 16)) && icons.contains(QSize(32, 32)));
    }

    // "steps > copies shown > scale shown": a step is c or s and a menu index,
    // or C+, C-, S+, S-: a left or right press on that display.
    void displays_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("start-up") << " > 1 > 100%";
        QTest::newRow("presses") << "C+ C+ C- S- S- S+ > 2 > 99%";
        QTest::newRow("none below 1") << "C- > 1 > 100%";
        QTest::newRow("99% after 100%") << "s3 > 1 > 99%";
        QTest::newRow("9 after 10") << "c6 c3 c3 > 9 > 100%";
        QTest::newRow("200% after 199%") << "s7 s7 s7 s7 s3 s4 > 1 > 200%";
    }

    void displays()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(QStringLiteral(" > "));
        for (const QString &step : part[0].split(u' ', Qt::SkipEmptyParts)) {
            const bool copies = step[0].toLower() == u'c';
            if (step[0].isLower())
                (copies ? form->mnuCopies : form->mnuScale)
                    ->actions()[step.mid(1).toInt()]
                    ->trigger();
            else
                QTest::mouseClick(form.get(), step[1] == u'+' ? Qt::LeftButton : Qt::RightButton,
                                  {},
                                  Counters::origin(copies ? Counters::Display::Copies
                                                          : Counters::Display::Scale));
        }
        QImage expected(form->image().size(), QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        const QList<std::pair<Counters::Display, QString>> shown{
            {Counters::Display::Copies, part[1]}, {Counters::Display::Scale, part[2]}};
        for (const auto &[display, text] : shown)
            for (int i = 0; i <= text.size(); ++i)
                painter.drawImage(cells(display, text).topLeft() + QPoint(i * kGlyphWidth, 0),
                                  LoadResPicture(GlyphId(i < text.size() ? text[i] : QChar(u' '))));
        painter.end();
        // The screen shows the same cells: what uncovering the window repaints.
        const QImage screen = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const auto &[display, text] : shown) {
            QCOMPARE(form->image().copy(cells(display, text)), expected.copy(cells(display, text)));
            QCOMPARE(screen.copy(cells(display, text)), expected.copy(cells(display, text)));
        }
        if (part[0].isEmpty()) // nothing but the two displays is lit
            QCOMPARE(form->image(), expected);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        const QColor bright(0, 255, 0), dark(0, 128, 0), red(255, 0, 0);
        QTest::newRow("lblCopies") << "Copies" << bright;
        QTest::newRow("lblScale") << "Scale" << bright;
        QTest::newRow("lblDarkness") << "Darkness" << bright;
        QTest::newRow("lblSelectSource") << "Select Source" << bright;
        QTest::newRow("lblSave") << "Save" << dark;
        QTest::newRow("lblPrintToDefault") << "Print to default" << dark;
        QTest::newRow("lblCopy") << "Copy" << bright;
        QTest::newRow("lblExit") << "Exit" << red;
    }

    void labels()
    {
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        auto *label = form->findChild<LabelButton *>(QTest::currentDataTag());
        QVERIFY(label);
        QCOMPARE(label->text() + label->accessibleName(), caption + caption);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        const QFontMetrics metrics(label->font()); // sized to the caption
        QCOMPARE(label->size(), QSize(metrics.horizontalAdvance(caption), metrics.height()));
        QCOMPARE(label->isVisible(), caption != "Darkness");
        // A shown caption lies inside the panel, clear of the others and of the displays' cells.
        QVERIFY(!label->isVisible() || form->rect().contains(label->geometry()));
        for (const QRect &other :
             {cells(Counters::Display::Copies, "99"), cells(Counters::Display::Scale, "200%")})
            QVERIFY(!label->geometry().intersects(other));
        for (LabelButton *other : form->findChildren<LabelButton *>())
            QVERIFY(other == label || !other->isVisible() ||
                    !label->geometry().intersects(other->geometry()));
    }

    // Each step menu says the step it makes, and a right press anywhere in its
    // caption's box opens it; a left press does not.
    void stepMenus()
    {
        for (auto [caption, menu] : {std::pair{form->lblCopies, form->mnuCopies},
                                     std::pair{form->lblScale, form->mnuScale}}) {
            QStringList texts, steps;
            for (QAction *action : menu->actions())
                texts << action->text();
            for (int i = 0; i < 8; ++i)
                steps << QString(Counters::stepForIndex(i) < 0 ? "- " : "+ ") +
                             QString::number(qAbs(Counters::stepForIndex(i)));
            QCOMPARE(texts, steps << ""
                                  << "&About");
            QTest::mouseClick(caption, Qt::LeftButton);
            QVERIFY(!menu->isVisible());
            QTest::mousePress(caption, Qt::RightButton, {}, QPoint(1, caption->height() - 1));
            QVERIFY(menu->isVisible());
            menu->hide();
        }
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
