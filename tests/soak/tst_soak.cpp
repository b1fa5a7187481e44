// Three hundred copies in a row through the panel's Copy command, with SANE's
// test scanner and a private CUPS: the routes take turns, grey and colour
// alternate, and every tenth scan meets a device fault, cancelled or retried.
// Every good copy is spooled or saved, pixel for pixel; a cancelled one leaves
// nothing and asks nothing; resident memory after the last copy stays within
// 10 % of what it was after the 20th, and no window is left behind.
#include "harness/CopyDriving.h"
#include "harness/CupsTestServer.h"
#include "harness/SaneTestScanner.h"

#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "panel/LabelButton.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

class tst_soak : public QObject
{
    Q_OBJECT

    // What the process holds, once the allocator handed back what it kept for later.
    static qint64 residentBytes()
    {
        malloc_trim(0);
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
    }

private slots:
    void threeHundredCopies()
    {
        const QStringList faults = {"JAMMED",      "COVER_OPEN", "IO_ERROR",     "NO_DOCS",
                                    "DEVICE_BUSY", "NO_MEM",     "ACCESS_DENIED"};
        SaneTestScanner sane(1);
        CupsTestServer cups;
        QVERIFY2(sane.isValid() && cups.start(), qPrintable(cups.lastError()));
        // A raw queue: no filter runs per job, so the jobs cost the machine little.
        QVERIFY(cups.addQueue("soak", false) && cups.setDefault("soak"));
        SaneScannerLayer scanner;
        scanner.setOptionPreset("test-picture", "Color pattern");
        ApplicationPrinter printer;
        frmMain form(scanner, printer);
        form.Form_Load();
        MessageWatcher messages;
        QTemporaryDir dir;
        const auto faultGone = [&](QDialog *) {
            scanner.setOptionPreset("read-return-value", "Default");
        };
        qint64 settled = -1;
        qsizetype windows = -1;
        for (int copy = 1; copy <= 300; ++copy) {
            const auto route = CopyRoute(copy % 3);
            const bool grey = (copy / 3) % 2, save = route == CopyRoute::Save;
            // Not more faults: SANE's test backend loses 64 KiB on each scan
            // cancelled while its reader runs, which would swamp the figure.
            const bool faulty = copy % 10 == 0, good = !faulty || copy % 20 == 0;
            const QString file = dir.filePath(QString::number(copy));
            setCopyRoute(form, route);
            const QString fault = "SANE_STATUS_" + faults[(copy / 10) % faults.size()];
            scanner.setOptionPreset("read-return-value", faulty ? fault : "Default");
            const auto answer =
                answerDialog(save ? "SaveDialog" : "PrinterDialog",
                             [&](QDialog &d) { save ? saveAs(d, file) : d.accept(); });
            ScanDialogDriver driver;
            driver.chooseResolution(75).chooseMode(grey ? "Gray" : "Color").pressEnter();
            if (faulty) // retried once the fault has gone, or cancelled
                good ? driver.waitForMessage().then(faultGone).pressEnter()
                     : driver.waitForMessage().pressEscape();
            driver.start();
            const auto jobs = cups.jobs("soak");
            QTest::mouseClick(form.lblCopy, Qt::LeftButton);
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
            const QList<bool> want{good && route != CopyRoute::PrintToDefault, good && !save,
                                   good && save};
            QVERIFY2(driver.succeeded() && messages.texts.isEmpty() &&
                         want == QList<bool>({answer->ran, printed, saved}),
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

QTEST_MAIN(tst_soak)
#include "tst_soak.moc"
