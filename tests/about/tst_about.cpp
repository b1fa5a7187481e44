// The About dialog as the user meets it: opened from the panel's popups, its
// texts, where it appears, how it closes, and how it ends with the program.
#include "about/AboutBox.h"
#include "about/frmAbout.h"
#include "app/frmMain.h"
#include "common/Resources.h"
#include "common/version.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/ScannerLayer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Stands in for the scanner library so the version it reports can be chosen.
class FakeScanner : public ScannerLayer
{
public:
    int TWAIN_IsAvailable() override { return 1; }
    int TWAIN_AcquireToClipboard(QWidget *, int) override { return 0; }
    int TWAIN_SelectImageSource(QWidget *) override { return 0; }
    int TWAIN_EasyVersion() override
    {
        ++versionCalls;
        return version;
    }

    int version = 101;
    int versionCalls = 0;
};

QList<frmAbout *> aboutDialogs()
{
    QList<frmAbout *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *about = qobject_cast<frmAbout *>(w); about && about->isVisible())
            found.append(about);
    return found;
}

frmAbout *theAboutDialog()
{
    const QList<frmAbout *> found = aboutDialogs();
    return found.size() == 1 ? found.first() : nullptr;
}

void discardClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class tst_about : public QObject
{
    Q_OBJECT

private:
    // A real panel window, loaded as at start-up.
    void startMainWindow()
    {
        m_main = std::make_unique<frmMain>(m_scanner, m_printer);
        m_main->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
    }

    void chooseAbout(const char *actionName)
    {
        auto *action = m_main->findChild<QAction *>(QString::fromLatin1(actionName));
        QVERIFY2(action, actionName);
        action->trigger();
    }

    FakeScanner m_scanner;
    ApplicationPrinter m_printer;
    std::unique_ptr<frmMain> m_main;

private slots:
    void init()
    {
        m_scanner = FakeScanner();
        QLocale::setDefault(kEnglish);
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<frmAbout *>(w))
                w->close();
        m_main.reset();
        discardClosedWindows();
        QLocale::setDefault(QLocale::system());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<frmAbout *>(w), "an About dialog outlived its closing");
    }

    void texts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("number");

        struct Row
        {
            int version;
            const char *english;
            const char *german;
        };
        const Row rows[] = {
            {95, "0.95", "0,95"},
            {118, "1.18", "1,18"},
            {200, "2", "2"},
            {110, "1.1", "1,1"},
            {101, "1.01", "1,01"},
            {1, "0.01", "0,01"},
            {0, "0", "0"},
            {-150, "-1.5", "-1,5"},
            // Large values keep every digit and never gain a group separator.
            {123456789, "1234567.89", "1234567,89"},
            {2147483647, "21474836.47", "21474836,47"},
        };
        for (const Row &row : rows) {
            QTest::addRow("%d en_US", row.version) << kEnglish << row.version << row.english;
            QTest::addRow("%d de_DE", row.version) << kGerman << row.version << row.german;
        }
    }

    void texts()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, version);
        QFETCH(QString, number);
        QLocale::setDefault(locale);
        m_scanner.version = version;

        OpenAbout(m_scanner);
        frmAbout *about = theAboutDialog();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Mirel"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("Mirel"));
        QCOMPARE(about->lblVersion->text(),
                 QStringLiteral("Version ") + QString::fromLatin1(mirel::kVersionString));
        QCOMPARE(about->Label1->text(), QStringLiteral("SANE version ") + number);
        QCOMPARE(about->lblDescription->text(), LoadResString(StringId::AboutDescription));
        QVERIFY(!about->lblDescription->text().isEmpty());
        QCOMPARE(m_scanner.versionCalls, 1);
    }

    void oneDialogAcrossBothPopups_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("copies then scale")
            << QByteArray("mnuCopiesAbout") << QByteArray("mnuScaleAbout");
        QTest::newRow("scale then copies")
            << QByteArray("mnuScaleAbout") << QByteArray("mnuCopiesAbout");
        QTest::newRow("copies twice")
            << QByteArray("mnuCopiesAbout") << QByteArray("mnuCopiesAbout");
    }

    void oneDialogAcrossBothPopups()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        startMainWindow();
        m_scanner.version = 118;
        chooseAbout(first.constData());
        QPointer<frmAbout> about = theAboutDialog();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));

        // The main window stays usable, and may come to the front.
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));

        m_scanner.version = 200;
        chooseAbout(second.constData());
        QCOMPARE(aboutDialogs().size(), 1);
        QCOMPARE(theAboutDialog(), about.data());
        QVERIFY(QTest::qWaitForWindowActive(about));
        QCOMPARE(about->Label1->text(), QStringLiteral("SANE version 1.18"));
        QCOMPARE(m_scanner.versionCalls, 1);
    }

    void filledAfreshAfterClosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("close box") << "close box";
        QTest::newRow("Esc") << "Esc";
    }

    void filledAfreshAfterClosing()
    {
        QFETCH(QString, how);
        startMainWindow();
        m_scanner.version = 95;
        chooseAbout("mnuCopiesAbout");
        QPointer<frmAbout> about = theAboutDialog();
        QVERIFY(about);
        // Something the user did to the open dialog that a fresh one must not show.
        about->lblDescription->setText(QStringLiteral("stale"));
        about->move(400, 300);

        if (how == QLatin1String("OK"))
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        else if (how == QLatin1String("close box"))
            about->close();
        else
            QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(about.isNull());
        QVERIFY(aboutDialogs().isEmpty());

        QLocale::setDefault(kGerman);
        m_scanner.version = 110;
        chooseAbout("mnuScaleAbout");
        frmAbout *again = theAboutDialog();
        QVERIFY(again);
        QCOMPARE(again->windowTitle(), QStringLiteral("About Mirel"));
        QCOMPARE(again->lblTitle->text(), QStringLiteral("Mirel"));
        QCOMPARE(again->lblVersion->text(),
                 QStringLiteral("Version ") + QString::fromLatin1(mirel::kVersionString));
        QCOMPARE(again->Label1->text(), QStringLiteral("SANE version 1,1"));
        QCOMPARE(again->lblDescription->text(), LoadResString(StringId::AboutDescription));
        QCOMPARE(again->geometry(), QRect(156, 129, 382, 174));
        QCOMPARE(m_scanner.versionCalls, 2);
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void keysClose()
    {
        QFETCH(int, key);
        OpenAbout(m_scanner);
        QPointer<frmAbout> about = theAboutDialog();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        // OK holds the focus, and is the button Enter presses.
        QCOMPARE(QApplication::focusWidget(), about->cmdOK);
        QVERIFY(about->cmdOK->isDefault());

        bool pressed = false;
        connect(about->cmdOK, &QPushButton::clicked, this, [&pressed] { pressed = true; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(about.isNull());
        if (key != Qt::Key_Escape)
            QVERIFY(pressed);
    }

    void fixedScreenPosition_data()
    {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("main at origin") << QPoint(0, 0);
        QTest::newRow("main far right") << QPoint(620, 480);
        QTest::newRow("main over the dialog's place") << QPoint(140, 100);
    }

    void fixedScreenPosition()
    {
        QFETCH(QPoint, mainAt);
        startMainWindow();
        m_main->move(mainAt);
        chooseAbout("mnuScaleAbout");
        frmAbout *about = theAboutDialog();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        // The client area, not the frame, sits at the fixed place.
        QCOMPARE(about->geometry(), QRect(156, 129, 382, 174));
        QCOMPARE(about->mapToGlobal(QPoint(0, 0)), QPoint(156, 129));
        QCOMPARE(about->minimumSize(), about->maximumSize());

        // Not owned by the main window, no taskbar entry, no min/max buttons.
        QVERIFY(!about->parentWidget());
        QCOMPARE(about->windowType(), Qt::Tool);
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(about->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!about->isModal());
    }

    void etchedSeparatorAndColours()
    {
        OpenAbout(m_scanner);
        frmAbout *about = theAboutDialog();
        QVERIFY(about);
        const QImage shot = about->grab().toImage();
        const QColor face = QApplication::palette().color(QPalette::Button);
        const QRgb grey = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
        auto at = [&shot](int x, int y) { return shot.pixel(x, y) & 0xFFFFFF; };
        QCOMPARE(at(6, 131), grey & 0xFFFFFF);
        QCOMPARE(at(200, 131), grey & 0xFFFFFF);
        QCOMPARE(at(377, 131), grey & 0xFFFFFF);
        QCOMPARE(at(7, 132), white & 0xFFFFFF);
        QCOMPARE(at(377, 133), white & 0xFFFFFF);
        QCOMPARE(at(6, 132), face.rgb() & 0xFFFFFF);
        QCOMPARE(at(5, 131), face.rgb() & 0xFFFFFF);
        QCOMPARE(at(378, 131), face.rgb() & 0xFFFFFF);
        QCOMPARE(at(200, 134), face.rgb() & 0xFFFFFF);
        QCOMPARE(at(200, 130), face.rgb() & 0xFFFFFF);

        QCOMPARE(about->lblTitle->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(about->lblDescription->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(about->lblVersion->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::ButtonText));
        QCOMPARE(about->picIcon->pixmap().size(), QSize(32, 32));
    }

    void descriptionFitsItsLabel()
    {
        OpenAbout(m_scanner);
        frmAbout *about = theAboutDialog();
        QVERIFY(about);
        QLabel *label = about->lblDescription;
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font().pointSize(), 8);
        // The label is cut at its bottom edge, so the wording must fit in it
        // with the font the desktop really gives.
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(QPoint(0, 0), label->size()), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
            label->text());
        QVERIFY2(needed.height() <= label->height(),
                 qPrintable(QStringLiteral("needs %1 px").arg(needed.height())));
        QVERIFY(label->wordWrap());
    }

    void exitWithTheDialogOpenEndsTheProgram()
    {
        startMainWindow();
        chooseAbout("mnuCopiesAbout");
        QPointer<frmAbout> about = theAboutDialog();
        QVERIFY(about);

        QTimer::singleShot(0, m_main.get(), &ExitApplication);
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_main->isVisible());
        QVERIFY(about.isNull() || !about->isVisible());
        discardClosedWindows();
        QVERIFY(about.isNull());
    }

    void closingTheMainWindowLeavesTheDialogRunning()
    {
        startMainWindow();
        chooseAbout("mnuCopiesAbout");
        QPointer<frmAbout> about = theAboutDialog();
        QVERIFY(about);

        bool stillRunning = false;
        QTimer::singleShot(0, m_main.get(), [&] {
            m_main->close();
            QTimer::singleShot(100, about, [&] {
                stillRunning = true;
                about->close();
            });
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(stillRunning, "the program ended while the About dialog was open");
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
