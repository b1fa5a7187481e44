// The copies and scale counters as the user drives them: clicks on the two
// displays and the step menus, through the real window.
#include "FakeScannerLayer.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "panel/LabelButton.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void pressAt(QWidget *w, const QPointF &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent press(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// Brings a counter from its start value to v with single steps from the menu.
void stepTo(frmMain &form, bool copies, int v)
{
    Counters &c = form.counters();
    for (int guard = 0; guard < 400; ++guard) {
        const int now = copies ? c.copies() : c.scale();
        if (now == v)
            return;
        const int index = now < v ? 4 : 3;
        copies ? c.stepCopies(index) : c.stepScale(index);
    }
    QFAIL("counter did not reach its start value");
}

QAction *stepAction(QMenu *menu, int index)
{
    for (QAction *a : menu->actions())
        if (!a->isSeparator() && a->data().isValid() && a->data().toInt() == index)
            return a;
    return nullptr;
}

} // namespace

class tst_counters : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    ApplicationPrinter printer;
    std::unique_ptr<frmMain> form;

private slots:
    void init()
    {
        form = std::make_unique<frmMain>(scanner, printer);
        form->Form_Load();
    }
    void cleanup() { form.reset(); }

    void pressOnPanel_data()
    {
        QTest::addColumn<bool>("copies"); // which counter the start value is for
        QTest::addColumn<int>("start");
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<int>("buttons"); // 1 left, 2 right, 3 both
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("painted"); // empty: nothing repainted

        QTest::newRow("copies top-left corner") << true << 1 << QPointF(20, 32) << 1 << 2 << "2";
        QTest::newRow("copies bottom-right corner")
            << true << 1 << QPointF(68, 62) << 1 << 2 << "2";
        QTest::newRow("left of copies zone") << true << 1 << QPointF(19.9, 40) << 1 << 1 << "";
        QTest::newRow("right of copies zone") << true << 1 << QPointF(68.1, 40) << 1 << 1 << "";
        QTest::newRow("below copies zone") << true << 1 << QPointF(40, 62.1) << 1 << 1 << "";
        QTest::newRow("copies down") << true << 7 << QPointF(40, 40) << 2 << 6 << "6";
        QTest::newRow("copies at 1 stays") << true << 1 << QPointF(40, 40) << 2 << 1 << "";
        QTest::newRow("copies at 99 stays") << true << 99 << QPointF(40, 40) << 1 << 99 << "";
        QTest::newRow("copies both buttons") << true << 5 << QPointF(40, 40) << 3 << 5 << "";
        QTest::newRow("copies 10 to 9") << true << 10 << QPointF(40, 40) << 2 << 9 << "9";
        QTest::newRow("scale top-left corner")
            << false << 100 << QPointF(20, 100) << 1 << 101 << "101%";
        QTest::newRow("scale bottom-right corner")
            << false << 100 << QPointF(116, 130) << 2 << 99 << "99%";
        QTest::newRow("right of scale zone")
            << false << 100 << QPointF(116.1, 110) << 1 << 100 << "";
        QTest::newRow("above scale zone") << false << 100 << QPointF(50, 99.9) << 1 << 100 << "";
        QTest::newRow("scale at 200 stays") << false << 200 << QPointF(50, 110) << 1 << 200 << "";
        QTest::newRow("scale at 1 stays") << false << 1 << QPointF(50, 110) << 2 << 1 << "";
        QTest::newRow("scale both buttons") << false << 50 << QPointF(50, 110) << 3 << 50 << "";
        QTest::newRow("between the displays") << true << 1 << QPointF(40, 80) << 1 << 1 << "";
    }

    void pressOnPanel()
    {
        QFETCH(bool, copies);
        QFETCH(int, start);
        QFETCH(QPointF, pos);
        QFETCH(int, buttons);
        QFETCH(int, expected);
        QFETCH(QString, painted);

        stepTo(*form, copies, start);
        const qint16 otherBefore = copies ? form->counters().scale() : form->counters().copies();
        QSignalSpy spy(form.get(), &frmMain::displayPainted);

        const Qt::MouseButtons held = Qt::MouseButtons::fromInt(buttons);
        pressAt(form.get(), pos, buttons == 2 ? Qt::RightButton : Qt::LeftButton, held);

        QCOMPARE(int(copies ? form->counters().copies() : form->counters().scale()), expected);
        QCOMPARE(copies ? form->counters().scale() : form->counters().copies(), otherBefore);
        if (painted.isEmpty()) {
            QCOMPARE(spy.count(), 0);
        } else {
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toString(), painted);
            const bool isScale = painted.endsWith(u'%');
            QCOMPARE(spy.at(0).at(1).toInt(), 20);
            QCOMPARE(spy.at(0).at(2).toInt(), isScale ? 100 : 32);
        }
    }

    void menuStep_data()
    {
        QTest::addColumn<bool>("copies");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");

        QTest::newRow("copies 3 - 5 clamps to 1") << true << 3 << 2 << 1;
        QTest::newRow("copies 80 + 25 clamps to 99") << true << 80 << 7 << 99;
        QTest::newRow("copies 25 - 25 clamps to 1") << true << 25 << 0 << 1;
        QTest::newRow("copies 26 - 25") << true << 26 << 0 << 1;
        QTest::newRow("copies 27 - 25") << true << 27 << 0 << 2;
        QTest::newRow("copies 50 - 10") << true << 50 << 1 << 40;
        QTest::newRow("copies 50 - 1") << true << 50 << 3 << 49;
        QTest::newRow("copies 50 + 1") << true << 50 << 4 << 51;
        QTest::newRow("copies 50 + 5") << true << 50 << 5 << 55;
        QTest::newRow("copies 90 + 10 clamps") << true << 90 << 6 << 99;
        QTest::newRow("copies 89 + 10") << true << 89 << 6 << 99;
        QTest::newRow("copies 1 - 1 stays") << true << 1 << 3 << 1;
        QTest::newRow("copies 99 + 1 stays") << true << 99 << 4 << 99;
        QTest::newRow("scale 100 + 25") << false << 100 << 7 << 125;
        QTest::newRow("scale 175 + 25") << false << 175 << 7 << 200;
        QTest::newRow("scale 190 + 25 clamps") << false << 190 << 7 << 200;
        QTest::newRow("scale 20 - 25 clamps") << false << 20 << 0 << 1;
        QTest::newRow("scale 100 - 10") << false << 100 << 1 << 90;
        QTest::newRow("scale 5 - 5 clamps") << false << 5 << 2 << 1;
        QTest::newRow("scale 196 + 5 clamps") << false << 196 << 5 << 200;
        QTest::newRow("scale 200 + 1 stays") << false << 200 << 4 << 200;
    }

    void menuStep()
    {
        QFETCH(bool, copies);
        QFETCH(int, start);
        QFETCH(int, index);
        QFETCH(int, expected);

        stepTo(*form, copies, start);
        QSignalSpy spy(form.get(), &frmMain::displayPainted);
        QAction *action = stepAction(copies ? form->mnuCopies : form->mnuScale, index);
        QVERIFY(action);
        action->trigger();

        QCOMPARE(int(copies ? form->counters().copies() : form->counters().scale()), expected);
        // The display is repainted even when the value stayed where it was.
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(),
                 copies ? QString::number(expected) : QString::number(expected) + u'%');
    }

    void scaleMenuFourTimes()
    {
        QAction *plus25 = stepAction(form->mnuScale, 7);
        QList<int> seen;
        for (int i = 0; i < 4; ++i) {
            plus25->trigger();
            seen << form->counters().scale();
        }
        QCOMPARE(seen, QList<int>({125, 150, 175, 200}));
    }

    void menuCaptions()
    {
        for (QMenu *menu : {form->mnuCopies, form->mnuScale}) {
            QStringList captions;
            for (QAction *a : menu->actions())
                captions << (a->isSeparator() ? QStringLiteral("|") : a->text());
            QCOMPARE(captions, QStringList({"- 25", "- 10", "- 5", "- 1", "+ 1", "+ 5", "+ 10",
                                            "+ 25", "|", "&About"}));
        }
    }

    void captionPopsUpItsMenu_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("copiesMenu");
        QTest::addColumn<bool>("scaleMenu");
        QTest::newRow("right on Copies") << "lblCopies" << 2 << true << false;
        QTest::newRow("right on Scale") << "lblScale" << 2 << false << true;
        QTest::newRow("left on Copies") << "lblCopies" << 1 << false << false;
        QTest::newRow("both on Scale") << "lblScale" << 3 << false << false;
    }

    void captionPopsUpItsMenu()
    {
        QFETCH(QString, label);
        QFETCH(int, buttons);
        QFETCH(bool, copiesMenu);
        QFETCH(bool, scaleMenu);
        auto *l = form->findChild<LabelButton *>(label);
        QVERIFY(l);
        // Between the letters counts too: the middle of the caption's box.
        pressAt(l, QPointF(l->width() / 2.0, l->height() / 2.0),
                buttons == 2 ? Qt::RightButton : Qt::LeftButton,
                Qt::MouseButtons::fromInt(buttons));
        QCOMPARE(form->mnuCopies->isVisible(), copiesMenu);
        QCOMPARE(form->mnuScale->isVisible(), scaleMenu);
        form->mnuCopies->hide();
        form->mnuScale->hide();
        QCOMPARE(int(form->counters().copies()), 1);
        QCOMPARE(int(form->counters().scale()), 100);
    }
};

QTEST_MAIN(tst_counters)
#include "tst_counters.moc"
