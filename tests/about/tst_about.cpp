// The About dialog as the user meets it: opened from either popup, one at a
// time, filled afresh after every closing, at its fixed place on the screen,
// and ending with the program but not with the main window.
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "common/Resources.h"
#include "common/version.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "harness/FakeScannerLayer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_about : public QObject
{
    Q_OBJECT

    FakeScannerLayer scanner;
    ApplicationPrinter printer;

    // Chooses About from a popup; the one About dialog shown, or null.
    static frmAbout *open(frmMain &form, const char *menu)
    {
        form.findChild<QAction *>(QString::fromLatin1(menu))->trigger();
        QList<frmAbout *> shown;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *about = qobject_cast<frmAbout *>(w); about && about->isVisible())
                shown << about;
        return shown.size() == 1 ? shown.first() : nullptr;
    }

private slots:
    // Hundredths as the user reads them, in English and in German, never
    // with a group separator.
    void versionText_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row :
             {"95 0.95 0,95", "118 1.18 1,18", "200 2 2", "110 1.1 1,1", "1 0.01 0,01", "0 0 0",
              "-150 -1.5 -1,5", "2147483647 21474836.47 21474836,47"})
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
    // next opening fills it in afresh.
    void oneAtATimeFilledAfresh_data()
    {
        QTest::addColumn<int>("close"); // a key, or 0 for the OK button, 1 for the close box
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void oneAtATimeFilledAfresh()
    {
        QFETCH(int, close);
        frmMain form(scanner, printer);
        form.Form_Load();
        form.move(140, 100); // over the dialog's place: it still opens there
        scanner.version = 118;
        QPointer<frmAbout> about = open(form, "mnuCopiesAbout");
        QVERIFY(about && QTest::qWaitForWindowActive(about));
        QCOMPARE(
            QStringList({about->windowTitle(), about->lblTitle->text(), about->lblVersion->text(),
                         about->Label1->text(), about->lblDescription->text()}),
            QStringList({"About Mirel", "Mirel", "Version " + QString(mirel::kVersionString),
                         "SANE version 1.18", LoadResString(StringId::AboutDescription)}));
        QCOMPARE(about->mapToGlobal(QPoint(0, 0)),
                 QPoint(frmAbout::kScreenLeft, frmAbout::kScreenTop));
        QVERIFY(!about->parentWidget() && !about->isModal());
        form.activateWindow(); // the main window stays usable
        QVERIFY(QTest::qWaitForWindowActive(&form));
        scanner.version = 200;
        about->lblDescription->setText("stale");
        QCOMPARE(open(form, "mnuScaleAbout"), about.data());
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(about->Label1->text(), QStringLiteral("SANE version 1.18"));
        QCOMPARE(QApplication::focusWidget(), about->cmdOK);
        if (close == 0)
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        else if (close == 1)
            about->close();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(close));
        QTRY_VERIFY(about.isNull());
        about = open(form, "mnuScaleAbout");
        QVERIFY(about);
        QCOMPARE(about->Label1->text() + about->lblDescription->text(),
                 "SANE version 2" + LoadResString(StringId::AboutDescription));
        delete about;
    }

    // The label is cut at its bottom edge: the wording must fit it in the font
    // the desktop really gives.
    void descriptionFits()
    {
        frmAbout about(scanner);
        QLabel *label = about.lblDescription;
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        const QRect needed = label->fontMetrics().boundingRect(QRect(QPoint(0, 0), label->size()),
                                                               Qt::TextWordWrap, label->text());
        QVERIFY2(needed.height() <= label->height(), qPrintable(QString::number(needed.height())));
    }

    // Exit closes every window, the About dialog too; closing the main window
    // alone leaves the dialog and the program running.
    void endings_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::newRow("Exit") << true;
        QTest::newRow("main window closed") << false;
    }

    void endings()
    {
        QFETCH(bool, exit);
        frmMain form(scanner, printer);
        form.Form_Load();
        QPointer<frmAbout> about = open(form, "mnuCopiesAbout");
        bool running = false;
        QTimer::singleShot(0, &form, [&] {
            exit ? ExitApplication() : void(form.close());
            QTimer::singleShot(100, about, [&] {
                running = true;
                about->close();
            });
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(running, !exit);
        QVERIFY(!form.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
