// On a real X server the scanned page is on the system clipboard for other
// programs: after a copy is saved, xclip reads the same page back.
#include "SaneTestScanner.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "panel/LabelButton.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_clipboard_x11 : public QObject
{
    Q_OBJECT

    // One test scanner for the whole run: SANE reads its configuration once.
    SaneTestScanner sane;

private slots:
    void anotherProgramReadsThePage_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("depth");
        QTest::newRow("colour") << "Color" << 8;
        QTest::newRow("line art") << "Gray" << 1;
    }

    void anotherProgramReadsThePage()
    {
        QFETCH(QString, mode);
        QFETCH(int, depth);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (run under xvfb-run)");
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
            QSKIP("xclip is not installed");

        QVERIFY2(sane.isValid(), qPrintable(sane.errorString()));
        SaneScannerLayer scanner;
        scanner.setOptionPreset(QStringLiteral("test-picture"), QStringLiteral("Grid"));
        scanner.setOptionPreset(QStringLiteral("depth"), depth);
        ApplicationPrinter printer;
        frmMain form(scanner, printer);
        form.Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.lblSave, Qt::LeftButton);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("copy.bmp"));
        whenModalActive(QStringLiteral("SaveDialog"), [&](QWidget *w) {
            w->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(file);
            QMetaObject::invokeMethod(w, "accept");
        });
        ScanDialogDriver::acceptScanDialogSoon(75, mode);
        QTest::mouseClick(form.lblCopy, Qt::LeftButton);
        QVERIFY(QFile::exists(file));

        // xclip asks this process for the data, so the event loop must run
        // while it waits.
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"),
                    {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                     QStringLiteral("-t"), QStringLiteral("image/png"), QStringLiteral("-o")});
        QTRY_COMPARE_WITH_TIMEOUT(xclip.state(), QProcess::NotRunning, 20000);
        QCOMPARE(xclip.exitCode(), 0);
        const QImage pasted = QImage::fromData(xclip.readAllStandardOutput(), "PNG");
        QVERIFY(!pasted.isNull());
        const QImage saved(file, "BMP");
        QCOMPARE(pasted.size(), saved.size());
        QCOMPARE(pasted.convertToFormat(QImage::Format_RGB32),
                 saved.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(tst_clipboard_x11)
#include "tst_clipboard_x11.moc"
