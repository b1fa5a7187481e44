// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it comes up and as it is used: a start-up that touches no
// device, the lit displays painted into its image and onto the screen, captions
// sized to their words (tst_languages sees them fit, in every language), the
// step menus; and the About dialog opened from
// either popup, one at a time, filled afresh after every closing, at its fixed
// place, ending with the program but not with the main window.
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "common/MessageBox.h"
#include "common/Resources.h"
#include "common/version.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "harness/FakeScannerLayer.h"
#include "harness/TestSupport.h"
#include "panel/GlyphDisplay.h"
#include "panel/LabelButton.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_mainwindow : public QObject
{
    Q_OBJECT

    using Display = Counters::Display;

    FakeScannerLayer scanner;
    ApplicationPrinter printer;
    std::unique_ptr<frmMain> form;

    // The cells a display shows text in, with the blank cell after it.
    static QRect cells(Display display, const QString &text)
    {
        return {Counters::origin(display), QSize((text.size() + 1) * kGlyphWidth, kGlyphHeight)};
    }

    // Chooses About from a popup; the one About dialog shown, or null.
    frmAbout *openAbout(const char *menu)
    {
        form->findChild<QAction *>(QString::fromLatin1(menu))->trigger();
        QList<frmAbout *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *about = qobject_cast<frmAbout *>(w); about && about->isVisible())
                shown << about;
        return shown.size() == 1 ? shown.first() : nullptr;
    }

private slots:
    void init()
    {
        form = std::make_unique<frmMain>(scanner, printer);
        form->Form_Load();
    }

    // "steps > copies shown > scale shown": a step is c or s and a menu index,
    // or C+, C-, S+, S-: a left or right press on that display.
    void displays_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("start-up") << " > 1 > 100%";
        QTest::newRow("presses") << "C+ C+ C- S- S- S+ > 2 > 99%";
        QTest::newRow("99% after 100%") << "s3 > 1 > 99%";
        QTest::newRow("9 after 10") << "c6 c3 c3 > 9 > 100%";
    }

    void displays()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(QStringLiteral(" > "));
        for (const QString &step : part[0].split(u' ', Qt::SkipEmptyParts)) {
            const bool copies = step[0].toLower() == u'c';
            QMenu *menu = copies ? form->mnuCopies : form->mnuScale;
            const QPoint at = Counters::origin(copies ? Display::Copies : Display::Scale);
            if (step[0].isLower())
                menu->actions()[step.mid(1).toInt()]->trigger();
            else
                QTest::mouseClick(form.get(), step[1] == u'+' ? Qt::LeftButton : Qt::RightButton,
                                  {}, at);
        }
        QImage expected(form->image().size(), QImage::Format_RGB32);
        expected.fill(Qt::black);
        QPainter painter(&expected);
        const QList<std::pair<Display, QString>> shown{{Display::Copies, part[1]},
                                                       {Display::Scale, part[2]}};
        for (const auto &[display, text] : shown)
            for (int i = 0; i <= text.size(); ++i)
                painter.drawImage(cells(display, text).topLeft() + QPoint(i * kGlyphWidth, 0),
                                  LoadResPicture(GlyphId((text + u' ')[i])));
        painter.end();
        // The screen shows the same cells: what uncovering the window repaints.
        const QImage screen = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const auto &[display, text] : shown) {
            QCOMPARE(form->image().copy(cells(display, text)), expected.copy(cells(display, text)));
            QCOMPARE(screen.copy(cells(display, text)), expected.copy(cells(display, text)));
        }
        if (!part[0].isEmpty())
            return;
        // At start-up nothing but the two displays is lit, and no device is touched.
        QCOMPARE(form->image(), expected);
        QVERIFY(!scanner.deviceCalls && !printer.created());
        // Registered under the project's version as major.minor (1.5.2: "1.5").
        const QString version = QString::fromLatin1(mirel::kVersionString).section(u'.', 0, 1);
        QCOMPARE(scanner.client().version + u'|' + scanner.client().productName,
                 version + "|Mirel v" + version);
        // The icon comes right after the first paint.
        QTRY_VERIFY(form->windowIcon().availableSizes().contains(QSize(16, 16)) &&
                    form->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    // Every caption is sized to its text and named for a screen reader; the
    // shown ones are the design's words and colours.
    void captions()
    {
        const QList<LabelButton *> labels = form->findChildren<LabelButton *>();
        QStringList shown;
        for (LabelButton *label : labels) {
            const QFontMetrics metrics(label->font());
            QCOMPARE(label->size(),
                     QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
            QCOMPARE(label->accessibleName(), label->text());
            if (!label->isVisible())
                continue;
            shown << label->objectName() + ": " + label->text() + ' ' + label->foreColor().name();
        }
        QCOMPARE(shown,
                 QStringList({"lblCopies: Copies #00ff00", "lblScale: Scale #00ff00",
                              "lblSelectSource: Select Source #00ff00", "lblSave: Save #008000",
                              "lblPrintToDefault: Print to default #008000",
                              "lblCopy: Copy #00ff00", "lblExit: Exit #ff0000"}));
    }

    // Each step menu says the step it makes, and a right press anywhere in its
    // caption's box opens it; a left press does not.
    void stepMenus()
    {
        for (auto [caption, menu] : {std::pair{form->lblCopies, form->mnuCopies},
                                     std::pair{form->lblScale, form->mnuScale}}) {
            QStringList texts;
            for (QAction *action : menu->actions())
                texts << action->text();
            QCOMPARE(texts.join(u','), "- 25,- 10,- 5,- 1,+ 1,+ 5,+ 10,+ 25,,&About");
            QTest::mouseClick(caption, Qt::LeftButton);
            QVERIFY(!menu->isVisible());
            QTest::mousePress(caption, Qt::RightButton, {}, QPoint(1, caption->height() - 1));
            QVERIFY(menu->isVisible());
            menu->hide();
        }
    }

    // Keys from the focus the window starts with, and what they leave:
    // "keys > focused control > copies > scale > print|save tags > menu open".
    // T Tab, B Shift+Tab, U Up, D Down, + and -, S Space, R Return, M the Menu
    // key, F Shift+F10, E Esc.
    void keyboard_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("start") << " > lblCopies > 1 > 100% > False|False > -";
        QTest::newRow("reading order") << "TTTT > lblSelectSource > 1 > 100% > False|False > -";
        QTest::newRow("back from the first") << "B > lblExit > 1 > 100% > False|False > -";
        QTest::newRow("copies up") << "TUU+ > dspCopies > 4 > 100% > False|False > -";
        QTest::newRow("copies not below 1") << "TD- > dspCopies > 1 > 100% > False|False > -";
        QTest::newRow("scale down") << "TTTD-U > dspScale > 1 > 99% > False|False > -";
        QTest::newRow("save on") << "TTTTTS > lblSave > 1 > 100% > False|True > -";
        QTest::newRow("print on, save off")
            << "TTTTTSTR > lblPrintToDefault > 1 > 100% > True|False > -";
        QTest::newRow("menu key") << "TM > dspCopies > 1 > 100% > False|False > mnuCopies";
        QTest::newRow("shift F10") << "TTTF > dspScale > 1 > 100% > False|False > mnuScale";
        QTest::newRow("caption opens its menu")
            << "S > lblCopies > 1 > 100% > False|False > mnuCopies";
        QTest::newRow("Esc closes it") << "TTTME > dspScale > 1 > 100% > False|False > -";
    }

    void keyboard()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(QStringLiteral(" > "));
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const QImage clicked = form->grab().toImage();
        const std::map<QChar, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {u'T', {Qt::Key_Tab, {}}},   {u'B', {Qt::Key_Backtab, Qt::ShiftModifier}},
            {u'U', {Qt::Key_Up, {}}},    {u'D', {Qt::Key_Down, {}}},
            {u'+', {Qt::Key_Plus, {}}},  {u'-', {Qt::Key_Minus, {}}},
            {u'S', {Qt::Key_Space, {}}}, {u'R', {Qt::Key_Return, {}}},
            {u'M', {Qt::Key_Menu, {}}},  {u'F', {Qt::Key_F10, Qt::ShiftModifier}},
            {u'E', {Qt::Key_Escape, {}}}};
        for (const QChar key : part[0]) {
            QWidget *target = QApplication::activePopupWidget();
            QTest::keyClick(target ? target : QApplication::focusWidget(), keys.at(key).first,
                            keys.at(key).second);
        }
        QWidget *popup = QApplication::activePopupWidget();
        QCOMPARE(QStringList({QApplication::focusWidget()->objectName(),
                              form->counters().copiesText(), form->counters().scaleText(),
                              form->lblPrintToDefault->tag() + u'|' + form->lblSave->tag(),
                              popup ? popup->objectName() : QStringLiteral("-")}),
                 part.mid(1));
        if (popup)
            popup->hide();
        // The mark shows after keys and goes with the next mouse press: a user
        // who only clicks never sees it.
        QWidget *focused = QApplication::focusWidget();
        const QImage shown = form->grab().toImage();
        const qreal ratio = shown.devicePixelRatio();
        const QRect mark(focused->mapTo(form.get(), QPoint(0, 0)) * ratio, focused->size() * ratio);
        QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(350, 5));
        const QImage after = form->grab().toImage();
        QCOMPARE(shown.copy(mark) != after.copy(mark), !part[0].isEmpty());
        if (part[0].isEmpty())
            QCOMPARE(after, clicked);
    }

    // What a screen reader finds on the panel, in reading order, of what Qt's
    // bridge does not carry over the bus: which control opens a menu, and a
    // value in its words. atspi_panel reads the rest over the bus and works
    // the controls through it.
    void accessible()
    {
        QStringList shown;
        for (QWidget *w = form->lblCopies; shown.size() < 9; w = w->nextInFocusChain()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible())
                continue;
            QAccessibleInterface *control = QAccessible::queryAccessibleInterface(w);
            shown << control->text(QAccessible::Name) + (control->state().hasPopup ? "+menu" : "");
            if (control->valueInterface())
                shown.last() += " = " + control->text(QAccessible::Value);
        }
        QCOMPARE(shown.join(", "), "Copies+menu, Copies+menu = 1, Scale+menu, Scale+menu = 100 %, "
                                   "Select Source, Save, Print to default, Copy, Exit");
    }

    // A message and the program's one question as a screen reader reads them:
    // the words, and the buttons with the default one focused.
    void messageBoxes()
    {
        const QString text = "The printer Office is paused; the copy waits in its queue.";
        for (const bool question : {false, true}) {
            QStringList read;
            const auto answer =
                answerDialog(question ? "MirelQuestion" : "MirelMessage", [&](QDialog &box) {
                    if (QTest::qWaitForWindowActive(&box))
                        read = accessibleTree(&box);
                    pressKeyOn(&box, Qt::Key_Escape);
                });
            if (question)
                QCOMPARE(MsgAsk(form.get(), text), false); // Esc answers No
            else
                MsgBox(form.get(), text);
            QVERIFY(answer->ran);
            QCOMPARE(read, QStringList({"AlertMessage Mirel", "StaticText " + text}) +
                               (question ? QStringList{"Button Yes", "Button No *"}
                                         : QStringList{"Button OK *"}));
        }
    }

    // Hundredths as the user reads them, in English and in German, never
    // with a group separator.
    void versionText_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"118 1.18 1,18", "200 2 2", "110 1.1 1,1", "1 0.01 0,01",
                                "2147483647 21474836.47 21474836,47"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void versionText()
    {
        QFETCH(QString, row);
        const int version = row.section(u' ', 0, 0).toInt();
        QCOMPARE(VersionNumberText(version, QLocale(QLocale::English, QLocale::UnitedStates)) +
                     u' ' + VersionNumberText(version, QLocale(QLocale::German, QLocale::Germany)),
                 row.section(u' ', 1));
    }

    // Opened twice, from either menu, it is one dialog; closed in any way, the
    // next opening fills it in afresh. Exit closes it too; closing the main
    // window alone leaves it and the program running.
    void about_data()
    {
        // A key, or 0 for the OK button, 1 the close box, -1 Exit, -2 closing the main window.
        QTest::addColumn<int>("close");
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Exit") << -1;
        QTest::newRow("main window closed") << -2;
    }

    void about()
    {
        QFETCH(int, close);
        form->move(140, 100); // over the dialog's place: it still opens there
        scanner.version = 118;
        QPointer<frmAbout> about = openAbout("mnuCopiesAbout");
        QVERIFY(about && QTest::qWaitForWindowActive(about));
        QCOMPARE(about->mapToGlobal(QPoint(0, 0)),
                 QPoint(frmAbout::kScreenLeft, frmAbout::kScreenTop));
        QVERIFY(!about->parentWidget() && !about->isModal());
        // The description is cut at its bottom edge: it must fit in the font the
        // desktop really gives.
        const QLabel *label = about->lblDescription;
        QVERIFY(label->fontMetrics()
                    .boundingRect(label->rect(), Qt::TextWordWrap, label->text())
                    .height() <= label->height());
        form->activateWindow(); // the main window stays usable
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        scanner.version = 200;
        about->lblDescription->setText("stale");
        QCOMPARE(openAbout("mnuScaleAbout"), about.data());
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(about->Label1->text(), QStringLiteral("SANE version 1.18")); // as first filled
        QCOMPARE(QApplication::focusWidget(), about->cmdOK);
        if (close < 0) {
            // Still running a moment after the main window closed, or, after
            // Exit, at a deadline no working program comes near.
            bool running = false;
            QTimer::singleShot(0, form.get(), [&] {
                close == -1 ? ExitApplication() : void(form->close());
                QTimer::singleShot(close == -1 ? 5000 : 100, about, [&] {
                    running = true;
                    about->close();
                });
            });
            QTimer guard; // stops with the row: a program that never ends fails it alone
            guard.callOnTimeout([] { QCoreApplication::exit(99); });
            guard.start(20000);
            QCOMPARE(QApplication::exec(), 0);
            QCOMPARE(running, close == -2);
            QVERIFY(!form->isVisible());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(about.isNull());
            return;
        }
        if (close == 0)
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        else if (close == 1)
            about->close();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(close));
        QTRY_VERIFY(about.isNull());
        about = openAbout("mnuScaleAbout");
        QVERIFY(about);
        QCOMPARE(
            QStringList({about->windowTitle(), about->lblTitle->text(), about->lblVersion->text(),
                         about->Label1->text(), about->lblDescription->text()}),
            QStringList({"About Mirel", "Mirel", "Version " + QString(mirel::kVersionString),
                         "SANE version 2", LoadResString(StringId::AboutDescription)}));
        delete about;
    }
};

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
