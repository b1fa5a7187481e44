// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Copy command end to end on a real X server: the panel, SANE's test
// scanner, a private CUPS and another program (xclip) on the same clipboard.
// The page printed or saved is the page scanned, whatever another program
// copies while a dialog waits; every failure is said in a message; a copy is
// made with the keyboard alone; each job is followed to the sheet, its
// printer's trouble said in the panel's band while it lasts. And the soak:
// three hundred copies in a row.
#include "CopyDriving.h"
#include "CupsTestServer.h"
#include "SaneTestScanner.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/JobWatcher.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "panel/LabelButton.h"
#include "panel/StatusLine.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cups/ipp.h>

#include <malloc.h>
#include <unistd.h>

namespace {

// Another program copies an image or a text; true once this process sees it.
bool anotherProgramCopies(const QString &what, const QString &png)
{
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    const bool image = what == "image" && red.save(png);
    QProcess::execute("sh", {"-c", image ? "xclip -selection clipboard -t image/png " + png
                                         : "echo someone | xclip -selection clipboard"});
    return QTest::qWaitFor([&] {
        return image ? clipboardImage() == red
                     : QGuiApplication::clipboard()->text() == QLatin1String("someone\n");
    });
}

// What the band's line said to assistive technology as it changed.
QStringList announced;
void noteAccessibility(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        if (auto *line = qobject_cast<StatusLine *>(event->object()))
            announced << line->text();
}

// Cancel or OK in the band, pressed as the row says.
void pressInBand(frmMain &panel, const QString &how)
{
    if (how == "mouse")
        return QTest::mouseClick(panel.lblCancel, Qt::LeftButton);
    if (how == "bus")
        return QAccessible::queryAccessibleInterface(panel.lblCancel)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    // The keys: Tab from the last caption reaches it while it shows.
    panel.activateWindow();
    if (!QTest::qWaitForWindowActive(&panel))
        return;
    panel.lblExit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(panel.lblExit, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
}

} // namespace

class tst_copycommand : public QObject
{
    Q_OBJECT

    SaneTestScanner sane;
    CupsTestServer cups;
    QTemporaryDir dir;
    SaneScannerLayer scanner;
    ApplicationPrinter printer;
    frmMain form{scanner, printer};

    // What the process holds, once the allocator handed back what it kept for later.
    static qint64 residentBytes()
    {
        malloc_trim(0);
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
    }

    int jobs() { return int(cups.jobs("front").size() + cups.jobs("back").size()); }

private slots:
    void initTestCase()
    {
        QVERIFY2(sane.isValid(), qPrintable(sane.errorString()));
        QVERIFY2(cups.start(), qPrintable(cups.lastError()));
        QVERIFY(cups.addQueue("front") && cups.addQueue("back") && cups.setDefault("front"));
        // Printers in trouble, and queues that keep a copy waiting.
        QVERIFY2(cups.addTroubledQueue("Laser") && cups.addUnreachableQueue("Upstairs") &&
                     cups.addQueue("Hall") && cups.addQueue("Secure") && cups.holdJobs("Secure"),
                 qPrintable(cups.lastError()));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        scanner.setOptionPreset("test-picture", "Color pattern"); // colour errors show
        // Asked often, and a printer silent a short while is said.
        JobWatcher::setTiming({200, 1500, 800});
        QAccessible::installUpdateHandler(&noteAccessibility);
    }

    // Tab to Save and Space, Tab to Copy and Space, Enter in the scan dialog,
    // a name given to the save dialog: the file holds the page scanned. First,
    // while this panel is the only window.
    void keyboardCopy()
    {
        ApplicationPrinter keyed;
        frmMain panel(scanner, keyed);
        panel.Form_Load();
        panel.activateWindow(); // no window manager here to do it
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        const auto key = [](Qt::Key k, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(QApplication::focusWidget(), k);
        };
        key(Qt::Key_Tab, 5);
        QCOMPARE(QApplication::focusWidget(), panel.lblSave);
        key(Qt::Key_Space);
        key(Qt::Key_Tab, 2);
        QCOMPARE(QApplication::focusWidget(), panel.lblCopy);
        const QString file = dir.filePath("keyed");
        const auto answer = answerDialog("SaveDialog", [&](QDialog &d) { saveAs(d, file); });
        ScanDialogDriver scan;
        scan.pressEnter().start();
        key(Qt::Key_Space);
        QVERIFY2(scan.succeeded(), qPrintable(scan.failure()));
        QVERIFY(answer->ran);
        QCOMPARE(QImage(file, "BMP").convertToFormat(QImage::Format_RGB32), clipboardImage());
        QCOMPARE(panel.focusWidget(), panel.lblCopy); // where the keys left it
    }

    void copy_data()
    {
        // The route, then "mode depth situation" and the message the user gets.
        // No mode: the scan is cancelled. Situations: another program copies an
        // image or a text meanwhile, a dialog is cancelled, a failure.
        QTest::addColumn<CopyRoute>("route");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("message");
        const auto ask = CopyRoute::AskForPrinter, now = CopyRoute::PrintToDefault;
        const auto save = CopyRoute::Save;
        QTest::newRow("print to default") << now << "Color 8 -" << QString();
        QTest::newRow("printer dialog, an image meanwhile") << ask << "Gray 8 image" << QString();
        QTest::newRow("printer dialog, a text meanwhile") << ask << "Gray 1 text" << QString();
        QTest::newRow("save line art") << save << "Gray 1 -" << QString();
        QTest::newRow("save, an image meanwhile") << save << "Color 8 image" << QString();
        QTest::newRow("save, a text meanwhile") << save << "Color 16 text" << QString();
        QTest::newRow("scan cancelled") << ask << "- 8 -" << QString();
        QTest::newRow("printer dialog cancelled") << ask << "Gray 8 cancel" << QString();
        QTest::newRow("save dialog cancelled") << save << "Gray 8 cancel" << QString();
        QTest::newRow("no SANE") << now << "Gray 8 noSANE"
                                 << "Twain not available on this computer";
        QTest::newRow("missing folder")
            << save << "Gray 8 missing"
            << "The copy could not be saved to \"DIR/gone/copy\": No such file or directory.";
    }

    void copy()
    {
        QFETCH(CopyRoute, route);
        QFETCH(QString, row);
        QFETCH(QString, message);
        const QStringList part = row.split(u' ');
        const QString mode = part[0] == "-" ? QString() : part[0], situation = part[2];
        const bool save = route == CopyRoute::Save,
                   other = situation == "image" || situation == "text";
        const QString file = dir.filePath(situation == "missing" ? "gone/copy" : "copy");
        const bool done = message.isEmpty() && !mode.isEmpty() && situation != "cancel";
        if (!done) // a copy saved replaces the one before
            QFile::remove(file);
        QImage scanned;
        QStringList seen;
        const auto answer = answerDialog(save ? "SaveDialog" : "PrinterDialog", [&](QDialog &d) {
            scanned = clipboardImage();
            auto *copies = d.findChild<QSpinBox *>("copies");
            seen << d.windowTitle()
                 << (save ? static_cast<QFileDialog &>(d).nameFilters().join(u'|')
                          : QString::number(copies->value()));
            if (other && !anotherProgramCopies(situation, dir.filePath("red.png")))
                seen << "nobody else copied";
            if (situation == "cancel" && save) // the name saved last is offered again
                seen << static_cast<QFileDialog &>(d).selectedFiles();
            if (situation == "cancel")
                return d.reject();
            if (save)
                return saveAs(d, file);
            copies->setValue(7); // not used: the panel's count is
            auto *printers = d.findChild<QComboBox *>("printers");
            printers->setCurrentIndex(printers->findText("back"));
            d.accept();
        });
        const QString queue = printer.printer().printerName(); // the last one chosen
        const int before = jobs();
        SaneScannerLayer missing("libsane-not-here.so.1");
        ApplicationPrinter untouched;
        frmMain without(missing, untouched);
        frmMain &panel = situation == "noSANE" ? without : form;
        panel.Form_Load();
        panel.counters().stepCopies(5); // 6 copies
        setCopyRoute(panel, route);
        scanner.setOptionPreset("depth", part[1].toInt());
        auto *scan = new ScanDialogDriver(&panel);
        (mode.isEmpty() ? scan->pressEscape() : scan->chooseResolution(75).chooseMode(mode))
            .pressEnter()
            .start();
        MessageWatcher messages;
        QTest::mouseClick(panel.lblCopy, Qt::LeftButton);
        answer->armed = false;
        message.replace("DIR", dir.path());
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(answer->ran, route != CopyRoute::PrintToDefault && !mode.isEmpty());
        if (situation == "noSANE") // no printer looked up for a copy that cannot scan
            QVERIFY(!untouched.created());
        if (answer->ran)
            QCOMPARE(seen.mid(0, 2), (save ? QStringList{"Save to", "Bitmap (*.bmp)"}
                                           : QStringList{"Copy to which printer", "6"}));
        QCOMPARE(seen.mid(2), (situation == "cancel" && save ? QStringList{file} : QStringList()));
        QCOMPARE(jobs(), before + (done && !save));
        QCOMPARE(QFile::exists(file), done && save);
        if (!done)
            return;
        if (!answer->ran)
            scanned = clipboardImage();
        QImage copied(file, "BMP");
        if (!save) {
            const CupsTestServer::Job job = cups.jobs(answer->ran ? "back" : queue).last();
            QCOMPARE(QList<int>({job.copies, job.documents}), QList<int>({6, 1}));
            QProcess::execute("pdfimages", {"-png", cups.documentPath(job.id), file});
            copied = QImage(file + "-000.png");
        }
        QVERIFY(!scanned.isNull());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), scanned);
        if (!other) { // the page stays on the clipboard for other programs
            QProcess xclip;
            xclip.start("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"});
            QTRY_COMPARE_WITH_TIMEOUT(xclip.state(), QProcess::NotRunning, 20000);
            QCOMPARE(QImage::fromData(xclip.readAll()).convertToFormat(QImage::Format_RGB32),
                     scanned);
        }
    }

    void followed_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("trouble"); // the printer's reason, or how the queue stands
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("end"); // what ends it, and how Cancel or OK is pressed
        const QString out = "Laser is out of paper. Load paper and the copy goes on.";
        QTest::newRow("out of paper") << "Laser"
                                      << "media-empty-error" << out << "release";
        QTest::newRow("paper jam")
            << "Laser"
            << "media-jam-error"
            << "Paper is jammed in Laser. Clear the jam and the copy goes on."
            << "release";
        QTest::newRow("cover open") << "Laser"
                                    << "cover-open-error"
                                    << "A cover of Laser is open. Close it and the copy goes on."
                                    << "release";
        QTest::newRow("no toner") << "Laser"
                                  << "marker-supply-empty-error"
                                  << "Laser is out of toner or ink."
                                  << "release";
        QTest::newRow("queue paused") << "Hall"
                                      << "paused"
                                      << "Hall is paused; the copy waits in its queue."
                                      << "resume";
        QTest::newRow("job held")
            << "Secure"
            << "held"
            << "The copy is held by Secure. It prints once it is released or its time comes."
            << "release job";
        QTest::newRow("printer unreachable, cancelled over the bus")
            << "Upstairs"
            << ""
            << "Upstairs cannot be reached. The copy waits in its queue."
            << "cancel bus";
        QTest::newRow("not printed") << "Laser"
                                     << "exit 1"
                                     << "The copy was not printed: Print job canceled at printer."
                                     << "dismiss mouse";
        QTest::newRow("cancelled") << "Laser"
                                   << ""
                                   << "Printing on Laser…"
                                   << "cancel mouse";
        QTest::newRow("two copies, the latest cancelled with the keys")
            << "Laser"
            << "media-empty-error" << out << "cancel keys";
    }

    // A copy with a printer in trouble is said in the band under the
    // displays while it lasts, as a status to assistive technology, while the
    // panel goes on counting; it goes when the trouble does, or Cancel
    // cancels the job at the scheduler; and the band is bare again, pixel for
    // pixel.
    void followed()
    {
        const QStringList asked = QCoreApplication::arguments().mid(1);
        if (std::none_of(asked.begin(), asked.end(), [](const QString &name) {
                return name.section(u':', 0, 0) == QTest::currentTestFunction();
            }))
            QSKIP("run on its own, by name, on the accessibility bus, as tst_copyfollow");
        QFETCH(QString, queue);
        QFETCH(QString, trouble);
        QFETCH(QString, words);
        QFETCH(QString, end);
        ApplicationPrinter followedPrinter;
        frmMain panel(scanner, followedPrinter);
        panel.Form_Load();
        panel.activateWindow(); // no window manager here to do it
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        setCopyRoute(panel, CopyRoute::PrintToDefault);
        QVERIFY(cups.setDefault(queue));
        cups.setTrouble("Laser", trouble.endsWith("-error") ? trouble : QString(),
                        trouble == "exit 1", trouble != "exit 1");
        QVERIFY(trouble != "paused" || cups.stopQueue(queue));
        // Bare as ever: the panel's black under the displays.
        const QRect band(0, 130, frmMain::kClientWidth, 16);
        const QImage bare = panel.grab(band).toImage();
        QImage black(bare.size(), bare.format());
        black.fill(Qt::black);
        QCOMPARE(bare, black);
        const auto copyNow = [&] {
            ScanDialogDriver scan;
            scan.chooseResolution(75).pressEnter().start();
            QTest::mouseClick(panel.lblCopy, Qt::LeftButton);
            return scan.succeeded();
        };
        announced.clear();
        QVERIFY(copyNow());
        QTRY_COMPARE_WITH_TIMEOUT(panel.lblStatus->text(), words, 30000);
        QVERIFY(panel.lblStatus->isVisible());
        QAccessibleInterface *line = QAccessible::queryAccessibleInterface(panel.lblStatus);
        QCOMPARE(line->role(), QAccessible::StatusBar);
        QCOMPARE(line->text(QAccessible::Name), words);
        QVERIFY2(announced.contains(words), qPrintable(announced.join(u'|')));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(panel.lblCancel);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), end.startsWith("dismiss") ? "OK" : "Cancel");
        // The panel counts meanwhile, down to the scale display's last row
        // just over the line, and makes another copy, followed too.
        const int scale = panel.counters().scale();
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(30, 130));
        QCOMPARE(panel.counters().scale(), scale + 1);
        const int first = cups.jobs(queue).last().id;
        if (end == "cancel keys")
            QVERIFY(copyNow());
        const int latest = cups.jobs(queue).last().id;
        if (end.startsWith("cancel") || end.startsWith("dismiss"))
            pressInBand(panel, end.section(u' ', 1));
        if (end.startsWith("cancel")) {
            QTRY_COMPARE(cups.jobs(queue).last().state, int(IPP_JSTATE_CANCELED));
            QCOMPARE(cups.jobs(queue).last().id, latest);
            QTRY_COMPARE(panel.lblStatus->text(),
                         latest == first ? "The copy was cancelled." : words);
        }
        if (end == "release" || end == "cancel mouse" || end == "cancel keys")
            cups.release(queue);
        QVERIFY(end != "resume" || cups.resumeQueue(queue));
        QVERIFY(end != "release job" || cups.releaseJob(latest));
        QTRY_VERIFY_WITH_TIMEOUT(!panel.lblStatus->isVisible(), 30000);
        QVERIFY(!panel.lblCancel->isVisible());
        QCOMPARE(cups.jobs(queue).value(cups.jobs(queue).size() - (latest == first ? 1 : 2)).state,
                 int(end.startsWith("cancel") && latest == first ? IPP_JSTATE_CANCELED
                     : trouble == "exit 1"                       ? IPP_JSTATE_CANCELED
                                                                 : IPP_JSTATE_COMPLETED));
        QCOMPARE(panel.grab(band).toImage(), bare);
    }

    // Three hundred copies in a row: the routes take turns, grey and colour
    // alternate, and every tenth scan meets a device fault, cancelled or
    // retried. Every good copy is spooled or saved, pixel for pixel; a cancelled
    // one leaves nothing and asks nothing; resident memory after the last copy
    // stays within 10 % of what it was after the 20th; no window is left behind.
    void threeHundredCopies()
    {
        if (!QCoreApplication::arguments().contains(QTest::currentTestFunction()))
            QSKIP("run on its own, by name, as tst_soak");
        // A raw queue: no filter runs per job, so the jobs cost the machine little.
        QVERIFY(cups.addQueue("soak", false) && cups.setDefault("soak"));
        ApplicationPrinter soakPrinter; // the default printer, not the one chosen above
        frmMain soak(scanner, soakPrinter);
        soak.Form_Load();
        MessageWatcher messages;
        const QStringList faults{"JAMMED",      "COVER_OPEN", "IO_ERROR",     "NO_DOCS",
                                 "DEVICE_BUSY", "NO_MEM",     "ACCESS_DENIED"};
        qint64 settled = -1;
        qsizetype windows = -1;
        for (int copy = 1; copy <= 300; ++copy) {
            const auto route = CopyRoute(copy % 3);
            const bool grey = (copy / 3) % 2, save = route == CopyRoute::Save;
            // Not more faults: SANE's test backend loses 64 KiB on each scan
            // cancelled while its reader runs, which would swamp the figure.
            const bool faulty = copy % 10 == 0, good = !faulty || copy % 20 == 0;
            const QString file = dir.filePath(QString::number(copy));
            setCopyRoute(soak, route);
            scanner.setOptionPreset("read-return-value",
                                    faulty ? "SANE_STATUS_" + faults[(copy / 10) % 7] : "Default");
            const auto answer =
                answerDialog(save ? "SaveDialog" : "PrinterDialog",
                             [&](QDialog &d) { save ? saveAs(d, file) : d.accept(); });
            ScanDialogDriver driver;
            driver.chooseResolution(75).chooseMode(grey ? "Gray" : "Color").pressEnter();
            if (faulty) { // the fault goes while its message waits: retried, or cancelled
                driver.waitForMessage().then(
                    [&](QDialog *) { scanner.setOptionPreset("read-return-value", "Default"); });
                good ? driver.pressEnter() : driver.pressEscape();
            }
            driver.start();
            const auto jobs = cups.jobs("soak");
            QTest::mouseClick(soak.lblCopy, Qt::LeftButton);
            answer->armed = false;
            // By id, not by count: the scheduler forgets the oldest finished jobs.
            const auto after = cups.jobs("soak");
            const bool printed =
                !after.isEmpty() && (jobs.isEmpty() || after.last().id > jobs.last().id);
            if (printed) // the spool need not grow for 300 copies
                QFile::remove(cups.documentPath(after.last().id));
            const auto format = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
            const bool saved = QImage(file, "BMP").convertToFormat(format) ==
                               QGuiApplication::clipboard()->image().convertToFormat(format);
            QFile::remove(file);
            QVERIFY2(driver.succeeded() && messages.texts.isEmpty() &&
                         QList<bool>({good && route != CopyRoute::PrintToDefault, good && !save,
                                      good && save}) == QList<bool>({answer->ran, printed, saved}),
                     qPrintable(file + driver.failure() + messages.texts.join(u'|')));
            if (copy == 20) {
                settled = residentBytes();
                windows = QApplication::topLevelWidgets().size();
            }
        }
        const qint64 last = residentBytes();
        qInfo("resident after copy 20: %.1f MiB, after copy 300: %.1f MiB", settled / 1048576.0,
              last / 1048576.0);
        QVERIFY2(qAbs(last - settled) <= settled / 10, "resident memory moved by more than 10 %");
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    }
};

QTEST_MAIN(tst_copycommand)
#include "tst_copycommand.moc"
