// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole copy made with the keyboard alone, on SANE's test scanner: Tab to
// Save and Space, Tab to Copy and Space, Enter in the scan dialog, a name
// given to the save dialog. The file holds the page scanned.
#include "CopyDriving.h"
#include "SaneTestScanner.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "panel/LabelButton.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

class tst_keyboardcopy : public QObject
{
    Q_OBJECT

private slots:
    void saveWithKeys()
    {
        SaneTestScanner sane;
        QVERIFY2(sane.isValid(), qPrintable(sane.errorString()));
        QTemporaryDir dir;
        SaneScannerLayer scanner;
        ApplicationPrinter printer;
        frmMain form(scanner, printer);
        form.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto key = [](Qt::Key k, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(QApplication::focusWidget(), k);
        };
        key(Qt::Key_Tab, 5);
        QCOMPARE(QApplication::focusWidget(), form.lblSave);
        key(Qt::Key_Space);
        key(Qt::Key_Tab, 2);
        QCOMPARE(QApplication::focusWidget(), form.lblCopy);
        const QString file = dir.filePath("keyed");
        const auto answer = answerDialog("SaveDialog", [&](QDialog &d) { saveAs(d, file); });
        ScanDialogDriver scan;
        scan.pressEnter().start();
        key(Qt::Key_Space);
        QVERIFY2(scan.succeeded(), qPrintable(scan.failure()));
        QVERIFY(answer->ran);
        const QImage saved(file, "BMP");
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), clipboardImage());
        QCOMPARE(form.focusWidget(), form.lblCopy); // where the keys left it
    }
};

QTEST_MAIN(tst_keyboardcopy)
#include "tst_keyboardcopy.moc"
