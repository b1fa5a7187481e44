// The Copy command end to end: the real panel, SANE's test scanner and a
// private CUPS scheduler. Each route and each Cancel ends as a copier user
// expects, and every failure the user can meet is said in a message.
#include "CopyDriving.h"
#include "CupsTestServer.h"
#include "SaneTestScanner.h"
#include "app/frmMain.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "panel/LabelButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

namespace {

constexpr int kDpi = 75; // small pages keep the suite quick; the bed stays whole

QImage clipboardImage()
{
    return QGuiApplication::clipboard()->image();
}

} // namespace

class tst_copycommand : public QObject
{
    Q_OBJECT

    std::unique_ptr<SaneTestScanner> sane;
    std::unique_ptr<CupsTestServer> cups;
    std::unique_ptr<SaneScannerLayer> scanner;
    std::unique_ptr<ApplicationPrinter> printer;
    std::unique_ptr<frmMain> form;
    std::unique_ptr<MessageWatcher> messages;
    QTemporaryDir dir;

    void clickCopy() { QTest::mouseClick(form->lblCopy, Qt::LeftButton); }

    void setRoute(bool printToDefault, bool save)
    {
        if (printToDefault)
            QTest::mouseClick(form->lblPrintToDefault, Qt::LeftButton);
        if (save)
            QTest::mouseClick(form->lblSave, Qt::LeftButton);
    }

    void setCopies(int n)
    {
        while (form->counters().copies() < n)
            form->counters().stepCopies(4);
    }

    // Scans one page at the test resolution, in mode (and depth) given.
    void acceptScan(const QString &mode = QStringLiteral("Color"))
    {
        ScanDialogDriver::acceptScanDialogSoon(kDpi, mode);
    }

    int jobCount(const QString &queue) const { return int(cups->jobs(queue).size()); }

private slots:
    void initTestCase()
    {
        sane = std::make_unique<SaneTestScanner>();
        QVERIFY2(sane->isValid(), qPrintable(sane->errorString()));
        cups = std::make_unique<CupsTestServer>();
        QVERIFY2(cups->start(), qPrintable(cups->lastError()));
        QVERIFY(cups->addQueue(QStringLiteral("front")));
        QVERIFY(cups->addQueue(QStringLiteral("back")));
        QVERIFY(cups->setDefault(QStringLiteral("front")));
        QVERIFY(dir.isValid());
    }

    void init()
    {
        scanner = std::make_unique<SaneScannerLayer>();
        scanner->setOptionPreset(QStringLiteral("test-picture"), QStringLiteral("Grid"));
        printer = std::make_unique<ApplicationPrinter>();
        form = std::make_unique<frmMain>(*scanner, *printer);
        form->Form_Load();
        messages = std::make_unique<MessageWatcher>();
    }

    void cleanup()
    {
        messages.reset();
        form.reset();
        printer.reset();
        scanner.reset();
    }

    void printToDefaultPrintsWithoutAsking()
    {
        setRoute(true, false);
        setCopies(4);
        const int before = jobCount(QStringLiteral("front"));
        // The watch outlives this test by up to its timeout: it must neither
        // touch this frame nor close the next test's printer dialog.
        const auto armed = std::make_shared<bool>(true);
        const auto dialogSeen = std::make_shared<bool>(false);
        whenModalActive(
            QStringLiteral("PrinterDialog"),
            [armed, dialogSeen](QWidget *w) {
                if (!*armed)
                    return;
                *dialogSeen = true;
                static_cast<QDialog *>(w)->reject();
            },
            3000);
        acceptScan();
        clickCopy();
        *armed = false;
        QVERIFY(!*dialogSeen);
        QVERIFY2(messages->texts.isEmpty(), qPrintable(messages->texts.join(u'\n')));
        const auto jobs = cups->jobs(QStringLiteral("front"));
        QCOMPARE(int(jobs.size()), before + 1);
        QCOMPARE(jobs.last().copies, 4);
        QCOMPARE(jobs.last().documents, 1);
        // The page stays on the clipboard for pasting elsewhere.
        QVERIFY(qAbs(clipboardImage().width() - 200 / 25.4 * kDpi) < 1.0);
    }

    void printerDialogPicksThePrinterNotTheCopies()
    {
        setCopies(3);
        QString title;
        int presetCopies = -1;
        whenModalActive(QStringLiteral("PrinterDialog"), [&](QWidget *w) {
            auto *dialog = static_cast<QDialog *>(w);
            title = dialog->windowTitle();
            auto *copies = dialog->findChild<QSpinBox *>(QStringLiteral("copies"));
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            if (copies) {
                presetCopies = copies->value();
                copies->setValue(7); // not used: the panel's count is
            }
            if (printers)
                printers->setCurrentIndex(printers->findText(QStringLiteral("back")));
            dialog->accept();
        });
        const int front = jobCount(QStringLiteral("front"));
        const int back = jobCount(QStringLiteral("back"));
        acceptScan();
        clickCopy();
        QCOMPARE(title, QStringLiteral("Copy to which printer"));
        QCOMPARE(presetCopies, 3);
        QVERIFY2(messages->texts.isEmpty(), qPrintable(messages->texts.join(u'\n')));
        QCOMPARE(jobCount(QStringLiteral("front")), front);
        const auto jobs = cups->jobs(QStringLiteral("back"));
        QCOMPARE(int(jobs.size()), back + 1);
        QCOMPARE(jobs.last().copies, 3);
    }

    void cancelEndsQuietly_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("save");
        QTest::newRow("scan dialog") << "scan" << false;
        QTest::newRow("printer dialog") << "printer" << false;
        QTest::newRow("save dialog") << "save" << true;
    }

    void cancelEndsQuietly()
    {
        QFETCH(QString, where);
        QFETCH(bool, save);
        setRoute(false, save);
        const int front = jobCount(QStringLiteral("front"));
        const int back = jobCount(QStringLiteral("back"));
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        if (where == QLatin1String("scan")) {
            ScanDialogDriver *driver = new ScanDialogDriver(this);
            driver->pressEscape().start();
        } else {
            acceptScan();
            if (where == QLatin1String("printer"))
                whenModalActive(QStringLiteral("PrinterDialog"),
                                [](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
            else
                answerSaveDialog(QString());
        }
        clickCopy();
        QVERIFY2(messages->texts.isEmpty(), qPrintable(messages->texts.join(u'\n')));
        QCOMPARE(jobCount(QStringLiteral("front")), front);
        QCOMPARE(jobCount(QStringLiteral("back")), back);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }

    void noScannerLibrary()
    {
        SaneScannerLayer missing(QStringLiteral("libsane-not-here.so.1"));
        ApplicationPrinter p;
        frmMain other(missing, p);
        other.Form_Load();
        QTest::mouseClick(other.lblCopy, Qt::LeftButton);
        QCOMPARE(messages->texts,
                 QStringList{QStringLiteral("Twain not available on this computer")});
        QVERIFY(!p.created());
    }

    void saveKeepsTheNameAndTheDepth_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("bits");
        QTest::newRow("line art") << "Gray" << 1 << 1;
        QTest::newRow("grey") << "Gray" << 8 << 8;
        QTest::newRow("colour") << "Color" << 8 << 24;
        QTest::newRow("16-bit colour") << "Color" << 16 << 24;
    }

    void saveKeepsTheNameAndTheDepth()
    {
        QFETCH(QString, mode);
        QFETCH(int, depth);
        QFETCH(int, bits);
        setRoute(false, true);
        scanner->setOptionPreset(QStringLiteral("depth"), depth);
        const QString name =
            dir.filePath(QStringLiteral("page-") + QTest::currentDataTag()).replace(u' ', u'-');
        QString title;
        QStringList filters;
        answerSaveDialog(name, &title, &filters);
        acceptScan(mode);
        clickCopy();
        QVERIFY2(messages->texts.isEmpty(), qPrintable(messages->texts.join(u'\n')));
        QCOMPARE(title, QStringLiteral("Save to"));
        QCOMPARE(filters, QStringList{QStringLiteral("Bitmap (*.bmp)")});
        QVERIFY2(QFile::exists(name), "the name as typed, without an extension");
        QVERIFY(!QFile::exists(name + QStringLiteral(".bmp")));

        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(30);
        QCOMPARE(int(quint8(head[28])), bits);
        const QImage page = clipboardImage();
        const QImage back(name, "BMP");
        QCOMPARE(back.size(), page.size());
        QCOMPARE(back.dotsPerMeterX(), page.dotsPerMeterX());
        const QImage::Format common = bits == 24 ? QImage::Format_RGB32 : QImage::Format_Grayscale8;
        QCOMPARE(back.convertToFormat(common), page.convertToFormat(common));
    }

    void secondSaveOffersTheFirstName()
    {
        setRoute(false, true);
        const QString first = dir.filePath(QStringLiteral("first"));
        answerSaveDialog(first);
        acceptScan();
        clickCopy();
        QVERIFY(QFile::exists(first));
        QString prefilled;
        answerSaveDialog(QString(), nullptr, nullptr, &prefilled);
        acceptScan();
        clickCopy();
        QCOMPARE(prefilled, first);
    }

    void saveFailuresAreSaid_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("words");
        QTest::newRow("missing folder") << "missing"
                                        << "No such file or directory";
        QTest::newRow("no permission") << "immutable"
                                       << "ermi";
        QTest::newRow("full disk") << "full"
                                   << "No space left on device";
    }

    void saveFailuresAreSaid()
    {
        QFETCH(QString, situation);
        QFETCH(QString, words);
        setRoute(false, true);
        const QString folder = dir.filePath(QStringLiteral("target-") + situation);
        QVERIFY(QDir().mkpath(folder));
        QString target = folder + QStringLiteral("/copy.bmp");
        // An earlier copy of the same name that must come through unharmed.
        QImage earlier(16, 16, QImage::Format_RGB32);
        earlier.fill(Qt::red);
        bool immutable = false, mounted = false;
        if (situation == QLatin1String("missing")) {
            target = folder + QStringLiteral("/gone/copy.bmp");
        } else if (situation == QLatin1String("full")) {
            if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
                QSKIP("cannot mount a small file system here");
            mounted = true;
        }
        if (situation != QLatin1String("missing"))
            QVERIFY(earlier.save(target, "BMP"));
        if (situation == QLatin1String("immutable")) {
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) != 0)
                QSKIP("this file system cannot make a folder immutable");
            immutable = true;
        }
        std::function<void()> before;
        if (situation == QLatin1String("clipboard"))
            before = [] { QGuiApplication::clipboard()->setText(QStringLiteral("someone else")); };
        answerSaveDialog(target, nullptr, nullptr, nullptr, before);
        acceptScan();
        clickCopy();
        const bool intact = situation == QLatin1String("missing") ||
                            QImage(target).convertToFormat(QImage::Format_RGB32) == earlier;
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        if (mounted)
            umount(folder.toLocal8Bit().constData());
        QCOMPARE(messages->texts.size(), 1);
        QVERIFY2(messages->texts.first().contains(words), qPrintable(messages->texts.first()));
        if (situation != QLatin1String("clipboard"))
            QVERIFY2(messages->texts.first().contains(target), qPrintable(messages->texts.first()));
        QVERIFY2(intact, "the earlier file was damaged");
    }

    void printFailuresAreSaid_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("words");
        QTest::newRow("queue rejects jobs") << "reject"
                                            << "front";
        QTest::newRow("queue paused") << "stop"
                                      << "paused";
    }

    void printFailuresAreSaid()
    {
        QFETCH(QString, situation);
        QFETCH(QString, words);
        const QString queue = QStringLiteral("front");
        setRoute(true, false);
        if (situation == QLatin1String("reject"))
            QVERIFY(cups->rejectJobs(queue));
        else
            QVERIFY(cups->stopQueue(queue));
        const int before = jobCount(queue);
        acceptScan();
        clickCopy();
        if (situation == QLatin1String("reject"))
            QVERIFY(cups->acceptJobs(queue));
        else
            QVERIFY(cups->resumeQueue(queue));
        QCOMPARE(messages->texts.size(), 1);
        QVERIFY2(messages->texts.first().contains(words), qPrintable(messages->texts.first()));
        // A held job is spooled once; a refused one not at all.
        QCOMPARE(jobCount(queue), before + (situation == QLatin1String("stop") ? 1 : 0));
        QVERIFY(form->isVisible());
    }

    void noSchedulerIsSaid()
    {
        setRoute(true, false);
        cups->stop();
        acceptScan();
        clickCopy();
        QCOMPARE(messages->texts.size(), 1);
        QVERIFY(form->isVisible());
        // Start it again for any test that follows.
        QVERIFY2(cups->start(), qPrintable(cups->lastError()));
    }
};

QTEST_MAIN(tst_copycommand)
#include "tst_copycommand.moc"
