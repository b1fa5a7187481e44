#include "copyjob/SourceSelection.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

#include <memory>

class tst_SourceSelection : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsEveryTestDevice();
    void pickedSourceIsScannedFrom();
    void escapeKeepsTheCurrentSource();
    void twainNotFound();

private:
    // Scans one small page and returns the scanner shown in the dialog.
    QString scanOnce();

    std::unique_ptr<SaneTestScanner> m_scanner;
    std::unique_ptr<SaneScannerLayer> m_layer;
    std::unique_ptr<QWidget> m_window;
};

void tst_SourceSelection::initTestCase()
{
    m_scanner = std::make_unique<SaneTestScanner>();
    QVERIFY2(m_scanner->isValid(), qPrintable(m_scanner->errorString()));
}

void tst_SourceSelection::init()
{
    m_layer = std::make_unique<SaneScannerLayer>();
    m_layer->setOptionPreset(QStringLiteral("resolution"), 50);
    m_layer->setOptionPreset(QStringLiteral("br-x"), 20.0);
    m_layer->setOptionPreset(QStringLiteral("br-y"), 20.0);
    m_window = std::make_unique<QWidget>();
    m_window->show();
}

void tst_SourceSelection::cleanup()
{
    m_window.reset();
    m_layer.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_SourceSelection::scanOnce()
{
    ScanDialogDriver driver;
    driver.pressEnter().start();
    if (m_layer->TWAIN_AcquireToClipboard(m_window.get(), 0) != 1 || !driver.succeeded())
        return QStringLiteral("scan failed: ") + driver.failure();
    return driver.deviceText();
}

void tst_SourceSelection::listsEveryTestDevice()
{
    QStringList shown, names;
    auto ran = whenModalActive(QStringLiteral("SourceDialog"), [&](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("sourceList"));
        for (int i = 0; list && i < list->count(); ++i) {
            shown << list->item(i)->text();
            names << list->item(i)->data(Qt::UserRole).toString();
        }
        pressKeyOn(dialog, Qt::Key_Escape);
    });
    SelectSourceClick(m_window.get(), *m_layer);
    QVERIFY(*ran);
    QCOMPARE(names, (QStringList{QStringLiteral("test:0"), QStringLiteral("test:1")}));
    QCOMPARE(shown, (QStringList{QStringLiteral("Noname frontend-tester (test:0)"),
                                 QStringLiteral("Noname frontend-tester (test:1)")}));
    // Cancelling ends the command without any further window.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void tst_SourceSelection::pickedSourceIsScannedFrom()
{
    auto ran = whenModalActive(QStringLiteral("SourceDialog"), [](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("sourceList"));
        list->setCurrentRow(1);
        pressKeyOn(dialog, Qt::Key_Return);
    });
    SelectSourceClick(m_window.get(), *m_layer);
    QVERIFY(*ran);
    QCOMPARE(m_layer->currentDevice(), QStringLiteral("test:1"));
    QCOMPARE(scanOnce(), QStringLiteral("Noname frontend-tester (test:1)"));
    QCOMPARE(m_layer->lastScanDevice(), QStringLiteral("test:1"));

    // The dialog opens on the current choice.
    int currentRow = -1;
    ran = whenModalActive(QStringLiteral("SourceDialog"), [&](QWidget *dialog) {
        currentRow = dialog->findChild<QListWidget *>(QStringLiteral("sourceList"))->currentRow();
        pressKeyOn(dialog, Qt::Key_Escape);
    });
    SelectSourceClick(m_window.get(), *m_layer);
    QVERIFY(*ran);
    QCOMPARE(currentRow, 1);
}

void tst_SourceSelection::escapeKeepsTheCurrentSource()
{
    QCOMPARE(scanOnce(), QStringLiteral("Noname frontend-tester (test:0)"));
    QCOMPARE(m_layer->currentDevice(), QStringLiteral("test:0"));
    auto ran = whenModalActive(QStringLiteral("SourceDialog"), [](QWidget *dialog) {
        // Moved to test:1, then thought better of it.
        dialog->findChild<QListWidget *>(QStringLiteral("sourceList"))->setCurrentRow(1);
        pressKeyOn(dialog, Qt::Key_Escape);
    });
    SelectSourceClick(m_window.get(), *m_layer);
    QVERIFY(*ran);
    QCOMPARE(m_layer->currentDevice(), QStringLiteral("test:0"));
    QCOMPARE(scanOnce(), QStringLiteral("Noname frontend-tester (test:0)"));
    QCOMPARE(m_layer->lastScanDevice(), QStringLiteral("test:0"));
}

void tst_SourceSelection::twainNotFound()
{
    SaneScannerLayer missing(QStringLiteral("/nonexistent/libsane-missing.so.1"));
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    QString objectName;
    auto ran = whenModalActive(QString(), [&](QWidget *widget) {
        objectName = widget->objectName();
        if (auto *box = qobject_cast<QMessageBox *>(widget)) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
        }
        pressKeyOn(widget, Qt::Key_Return);
    });
    SelectSourceClick(m_window.get(), missing);
    QVERIFY(*ran);
    QVERIFY2(objectName != QLatin1String("SourceDialog"), "the source dialog opened");
    QCOMPARE(text, QStringLiteral("TWAIN was not found"));
    QCOMPARE(title, QStringLiteral("Mirel"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(tst_SourceSelection)
#include "tst_sourceselection.moc"
