// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scanner's choices kept from one run of Mirel to the next: each run is
// a process of its own (this suite's binary started with --as-mirel), and
// the runs of a test share one configuration folder.

#include "app/frmMain.h"
#include "common/Translations.h"
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"
#include "harness/CopyDriving.h"
#include "harness/SaneTestScanner.h"
#include "panel/LabelButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString panelState(frmMain &form)
{
    return QStringLiteral("panel %1 %2 %3 %4")
        .arg(form.counters().copies())
        .arg(form.counters().scale())
        .arg(form.lblPrintToDefault->tag(), form.lblSave->tag());
}

// A step that waits for the dialog to take the last change, then sets a control.
ScanDialogDriver::Step set(const char *control, const QVariant &value)
{
    return [=](QDialog *d) {
        if (!scanDialogReady(d))
            return false;
        d->findChild<ScanOptionsPanel *>("optionsPanel")->showMoreOptions(true);
        setByUser(d->findChild<QWidget *>(control), value);
        return true;
    };
}

// What the dialog shows, once it waits for the user.
QString shown(QDialog *d)
{
    QStringList what{d->property("message").toString(),
                     d->findChild<QLabel *>("deviceLabel")->text()};
    for (const char *box :
         {"resolutionBox", "modeBox", "option-source", "paperSizeBox", "option-test-picture"})
        if (auto *combo = d->findChild<QComboBox *>(box))
            what << combo->currentText();
    for (const char *box : {"areaLeft", "areaTop", "areaWidth", "areaHeight"})
        what << QString::number(d->findChild<QDoubleSpinBox *>(box)->value());
    what << (d->findChild<QCheckBox *>("allSheetsBox")->isChecked() ? "all sheets" : "one sheet");
    return "shown " + what.join(u'|');
}

// One run of Mirel, as a user would make it: the panel as it starts, then
// steps: "panel" (a copy more, Save on), "sources" (Select Source, to see
// which device it highlights), "source=NAME" (Select Source picks it),
// "choose" (settings made in the scan dialog) or "scan" (the dialog as it
// comes), each of the last two a copy; "touch=MARK" and "await=MARK" keep in
// step with another run. Says what it saw on standard output.
int runAsMirel(int argc, char **argv)
{
    QApplication app(argc, argv);
    SaneTestScanner sane(2);
    SaneScannerLayer scanner;
    ApplicationPrinter printer;
    frmMain form(scanner, printer);
    form.Form_Load();
    say(panelState(form));
    const QStringList steps = app.arguments().mid(2);
    for (const QString &step : steps) {
        if (step == "panel") {
            QTest::mouseClick(&form, Qt::LeftButton, {}, Counters::kCopiesOrigin + QPoint(4, 4));
            setCopyRoute(form, CopyRoute::Save);
            say(panelState(form));
        } else if (step == "sources") {
            answerDialog("SourceDialog", [](QDialog &d) {
                auto *list = d.findChild<QListWidget *>("sourceList");
                if (QTest::qWaitFor([&] { return list->count() > 1; }))
                    say("highlighted " + list->currentItem()->data(Qt::UserRole).toString());
                pressKeyOn(&d, Qt::Key_Escape);
            });
            scanner.TWAIN_SelectImageSource(&form);
        } else if (step.startsWith("language=")) {
            InstallTranslations({step.mid(9)}, {MIREL_QM_DIR});
        } else if (step.startsWith("touch=")) { // in step with another run
            writeFile(qEnvironmentVariable("XDG_CONFIG_HOME") + '/' + step.mid(6), {});
        } else if (step.startsWith("await=")) {
            const QString mark = qEnvironmentVariable("XDG_CONFIG_HOME") + '/' + step.mid(6);
            if (!QTest::qWaitFor([&] { return QFileInfo::exists(mark); }, 30000))
                say("no " + step.mid(6));
        } else if (step.startsWith("source=")) {
            answerDialog("SourceDialog", [name = step.mid(7)](QDialog &d) {
                auto *list = d.findChild<QListWidget *>("sourceList");
                if (!QTest::qWaitFor([&] { return list->count() > 1; }))
                    say("no devices listed");
                list->setCurrentItem(list->findItems(name, Qt::MatchContains).value(0));
                pressKeyOn(&d, Qt::Key_Return);
            });
            scanner.TWAIN_SelectImageSource(&form);
        } else {
            ScanDialogDriver driver;
            if (step == "choose")
                driver.chooseResolution(100)
                    .chooseMode("Color")
                    .until(set("option-source", "Automatic Document Feeder"))
                    .until(set("allSheetsBox", false))
                    .until(set("option-test-picture", "Grid"))
                    .until(set("paperSizeBox", ScanOptionsPanel::customName()))
                    .until(set("areaWidth", 50))
                    .until(set("areaHeight", 40))
                    .until(set("areaLeft", 10))
                    .until(set("areaTop", 20));
            driver.until([](QDialog *d) {
                if (scanDialogReady(d))
                    say(shown(d));
                return scanDialogReady(d);
            });
            driver.pressEnter().start();
            const QImage page = scanner.TWAIN_AcquireToClipboard(&form, 0);
            if (!driver.succeeded())
                say("driver: " + driver.failure());
            say(QStringLiteral("scanned %1 %2 %3x%4 %5")
                    .arg(scanner.lastScanDevice())
                    .arg(qRound(page.dotsPerMeterX() * 0.0254))
                    .arg(page.width())
                    .arg(page.height())
                    .arg(QCryptographicHash::hash(
                             QByteArrayView(page.constBits(), page.sizeInBytes()),
                             QCryptographicHash::Md5)
                             .toHex()));
        }
    }
    return 0;
}

struct Run
{
    QStringList out;
    QString err = {};
};

Run mirel(const QString &configHome, const QStringList &steps)
{
    const ChildRun child =
        runChild(QCoreApplication::applicationFilePath(), QStringList{"--as-mirel"} + steps,
                 {"XDG_CONFIG_HOME=" + configHome}, 60000);
    Run run{QString::fromUtf8(child.out).split(u'\n', Qt::SkipEmptyParts)};
    // Mirel's own lines; Qt's notes about the platform are not its.
    for (const QString &line : QString::fromUtf8(child.err).split(u'\n'))
        if (line.startsWith("mirel:"))
            run.err += line + '\n';
    if (!child.ok())
        run.out << QStringLiteral("ended %1 %2").arg(child.ended).arg(child.exitCode);
    return run;
}

const QRegularExpression kOurKeys(
    "^(version|chosen|devices/size|devices/\\d+/(name|vendor|model|type|mode|resolution|paper|"
    "area|options/size|options/\\d+/(name|value)))$");

// The file as "vVERSION CHOSEN | NAME MODE DPI [PAPER AREA] [OPTION=VALUE]..."
// a device, and every key that is not one of ours.
QString kept(const QString &file)
{
    QSettings settings(file, QSettings::IniFormat);
    QStringList said{"v" + settings.value("version").toString() + ' ' +
                     settings.value("chosen").toString()};
    const int devices = settings.beginReadArray("devices");
    for (int i = 0; i < devices; ++i) {
        settings.setArrayIndex(i);
        QStringList device;
        for (const char *key : {"name", "mode", "resolution", "paper", "area"})
            device << settings.value(key).toString();
        const int options = settings.beginReadArray("options");
        for (int j = 0; j < options; ++j) {
            settings.setArrayIndex(j);
            device << settings.value("name").toString() + '=' + settings.value("value").toString();
        }
        settings.endArray();
        device.removeAll(QString());
        said << device.join(u' ');
    }
    settings.endArray();
    for (const QString &key : settings.allKeys())
        if (!kOurKeys.match(key).hasMatch())
            said << "not ours: " + key;
    return said.join(" | ");
}

// A file as Mirel writes it, for a device of the test backend's kind.
QByteArray keptFile(const QByteArray &chosen, const QByteArray &devices)
{
    return "[General]\nversion=1\nchosen=" + chosen + "\n\n[devices]\n" + devices;
}
QByteArray device(int index, const QByteArray &name, const QByteArray &keys,
                  const QByteArray &vendor = "Noname")
{
    const QByteArray at = QByteArray::number(index) + '\\';
    QByteArray text = at + "model=frontend-tester\n" + at + "name=" + name + '\n';
    for (const QByteArray &key : keys.split(';'))
        if (!key.isEmpty())
            text += at + key + '\n';
    return text + at + "type=virtual device\n" + at + "vendor=" + vendor + '\n';
}

// test:1 in grey at 75 dpi on the grid, chosen.
QByteArray wholeFile()
{
    return keptFile("test:1", device(1, "test:1",
                                     "mode=Gray;options\\1\\name=test-picture;"
                                     "options\\1\\value=Grid;options\\size=1;resolution=75") +
                                  "size=1\n");
}

} // namespace

class tst_KeptSettings : public QObject
{
    Q_OBJECT

private slots:
    // What the first run chose is what the second shows and scans with;
    // the panel of the second starts afresh all the same.
    void secondRunAsFirstLeft()
    {
        QTemporaryDir home;
        const Run first = mirel(home.path(), {"panel", "source=test:1", "choose"});
        QCOMPARE(first.out.value(0), "panel 1 100 False False");
        QCOMPARE(first.out.value(1), "panel 2 100 False True");
        QCOMPARE(first.out.size(), 4);
        QVERIFY2(
            first.out[2].contains("(test:1)|100 dpi|Color|Automatic Document Feeder|Custom|Grid|"
                                  "10|20|50|40|one sheet"),
            qPrintable(first.out.join('\n')));
        QVERIFY2(first.out[3].startsWith("scanned test:1 100 196x157 "), qPrintable(first.out[3]));

        const Run second = mirel(home.path(), {"sources", "scan"});
        QCOMPARE(second.out, QStringList({"panel 1 100 False False", "highlighted test:1",
                                          first.out[2], first.out[3]}));
        QCOMPARE(first.err + second.err, QString());
    }

    // A choice made in one language is the same in another: the file keeps
    // keys, not the words shown.
    void otherLanguage()
    {
        QTemporaryDir home;
        const Run first = mirel(home.path(), {"language=de", "source=test:1", "choose"});
        const Run second = mirel(home.path(), {"language=ja", "scan"});
        QVERIFY(kept(home.filePath("Mirel/scanner.conf"))
                    .contains("test:1 Color 100 custom 10 20 50 40 source=Automatic"));
        QCOMPARE(second.out.value(2), first.out.value(2)); // the same page
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("scanned"); // device and dpi
        QTest::addColumn<QString>("keptAfter");
        const QString fresh = "v1 test:0 | test:0 Color 300";
        QByteArray junk;
        for (int i = 0; i < 2048; ++i)
            junk += char((i * 7919) % 256);
        const QByteArray whole = wholeFile();
        QTest::newRow("empty") << QByteArray() << "test:0 300" << fresh;
        QTest::newRow("binary junk") << junk << "test:0 300" << fresh;
        QTest::newRow("whole") << whole << "test:1 75"
                               << "v1 test:1 | test:1 Gray 75 test-picture=Grid";
        QTest::newRow("truncated")
            << whole.left(whole.indexOf("1\\options\\1\\value") + 12) << "test:1 300"
            << "v1 test:1 | test:1 Gray 300";
        QTest::newRow("another version")
            << QByteArray(whole).replace("version=1", "version=99") << "test:1 75"
            << "v1 test:1 | test:1 Gray 75 test-picture=Grid";
        QTest::newRow("wrong types")
            << keptFile("test:1", device(1, "test:1",
                                         "mode=\"1, 2\";resolution=abc;area=a b c d;paper=Custom;"
                                         "options\\1\\name=hand-scanner;options\\1\\value=maybe;"
                                         "options\\2\\name=test-picture;options\\2\\value=Grid;"
                                         "options\\3\\name=depth;options\\3\\value=@Rect(1 2 3 4);"
                                         "options\\size=3") +
                                      "size=abc\n")
            << "test:1 300"
            << "v1 test:1 | test:1 Color 300 test-picture=Grid";
        QTest::newRow("out of range")
            << keptFile("test:1", device(1, "test:1",
                                         "resolution=7;paper=Custom;area=150 150 100 100;"
                                         "options\\1\\name=depth;options\\1\\value=12;"
                                         "options\\2\\name=read-limit-size;"
                                         "options\\2\\value=70000;"
                                         "options\\3\\name=test-picture;options\\3\\value=Grid;"
                                         "options\\size=3"))
            << "test:1 300"
            << "v1 test:1 | test:1 Color 300 test-picture=Grid";
        QTest::newRow("option no longer there")
            << keptFile("test:1", device(1, "test:1",
                                         "options\\1\\name=no-such-option;options\\1\\value=5;"
                                         "options\\2\\name=test-picture;options\\2\\value=Grid"))
            << "test:1 300"
            << "v1 test:1 | test:1 Color 300 test-picture=Grid";
        // Kept, but not the device's to take while read-limit is off.
        QTest::newRow("option inactive now")
            << keptFile("test:1", device(1, "test:1",
                                         "options\\1\\name=read-limit-size;"
                                         "options\\1\\value=100"))
            << "test:1 300"
            << "v1 test:1 | test:1 Color 300 read-limit-size=100";
        // A device known by another name: matched again by what it is, to a
        // device without choices of its own; else the first device is used.
        QTest::newRow("device renamed")
            << keptFile("test:7", device(1, "test:7", "mode=Gray;resolution=75")) << "test:0 75"
            << "v1 test:0 | test:0 Gray 75";
        QTest::newRow("device renamed, test:0 has its own")
            << keptFile("test:7", device(1, "test:0", "mode=Color;resolution=100") +
                                      device(2, "test:7", "mode=Gray;resolution=75"))
            << "test:1 75"
            << "v1 test:1 | test:0 Color 100 | test:1 Gray 75";
        QTest::newRow("an earlier Mirel's English")
            << keptFile("test:1", device(1, "test:1", "paper=Custom;area=10 20 50 40"))
            << "test:1 300"
            << "v1 test:1 | test:1 Color 300 custom 10 20 50 40";
        QTest::newRow("device gone")
            << keptFile("gone:0", device(1, "gone:0", "resolution=75", "Other")) << "test:0 300"
            << "v1 test:0 | gone:0 75 | test:0 Color 300";
    }

    // A broken file never stops a copy: what can be used is, and the next
    // scan leaves a clean file.
    void brokenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, scanned);
        QFETCH(QString, keptAfter);
        QTemporaryDir home;
        const QString path = home.filePath("Mirel/scanner.conf");
        QVERIFY(QDir().mkpath(home.filePath("Mirel")) && writeFile(path, file));
        const Run run = mirel(home.path(), {"scan"});
        QCOMPARE(run.out.size(), 3);
        QVERIFY2(run.out[2].startsWith("scanned " + scanned + ' '), qPrintable(run.out[2]));
        QCOMPARE(kept(path), keptAfter);
        QCOMPARE(run.err, QString());
    }

    // A file that cannot or must not be replaced is said once, and the copies
    // are made; a link is followed to its file and stays a link.
    void awkwardFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("scanned"); // device and dpi, twice
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("keptAfter");
        const QString whole = "v1 test:1 | test:1 Gray 75 test-picture=Grid";
        QTest::newRow("folder is a file") << "file"
                                          << "test:0 300"
                                          << "its folder cannot be made"
                                          << "v ";
        QTest::newRow("read-only file")
            << "read-only"
            << "test:1 75"
            << "the file is read-only" << whole + " | not ours: devices/junk";
        QTest::newRow("link") << "link"
                              << "test:1 75"
                              << "" << whole;
    }

    void awkwardFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, scanned);
        QFETCH(QString, said);
        QFETCH(QString, keptAfter);
        QTemporaryDir home;
        const QString path = home.filePath("Mirel/scanner.conf");
        const QString target = kind == "link" ? home.filePath("elsewhere/real.conf") : path;
        QVERIFY(kind == "file" ? writeFile(home.filePath("Mirel"), "not a folder") // as root, too
                               : QDir().mkpath(home.filePath("Mirel")) &&
                                     QDir().mkpath(QFileInfo(target).path()) &&
                                     writeFile(target, wholeFile() + "junk=1\n"));
        if (kind == "link")
            QVERIFY(QFile::link("../elsewhere/real.conf", path));
        if (kind == "read-only")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        const Run run = mirel(home.path(), {"scan", "scan"});
        QCOMPARE(run.out.size(), 5);
        QVERIFY2(run.out[2].startsWith("scanned " + scanned + ' ') && run.out[4] == run.out[2],
                 qPrintable(run.out.join(u'\n')));
        QCOMPARE(run.err, said.isEmpty() ? QString()
                                         : "mirel: The scanner's choices cannot be kept in " +
                                               path + ": " + said + ".\n");
        QCOMPARE(kept(path), keptAfter);
        QCOMPARE(QFileInfo(path).isSymLink(), kind == "link");
        // Nothing left beside it: no lock, no half-written copy.
        if (kind != "file")
            QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QFileInfo(target).fileName()});
    }

    // Two Mirels at once keep each other's devices: the second writes after
    // the first did, from what it read before. The first runs while the
    // suite waits for the second.
    void twoAtOnce()
    {
        QTemporaryDir home;
        Run first;
        QTimer::singleShot(0, [&] {
            first = mirel(home.path(), {"sources", "touch=first-read", "await=second-read",
                                        "source=test:1", "scan", "touch=first-wrote"});
        });
        const Run second =
            mirel(home.path(), {"sources", "touch=second-read", "await=first-wrote", "scan"});
        QTRY_VERIFY_WITH_TIMEOUT(!first.out.isEmpty(), 60000);
        QVERIFY(first.out.value(3).startsWith("scanned test:1 300 ") &&
                second.out.value(3).startsWith("scanned test:0 300 "));
        QCOMPARE(kept(home.filePath("Mirel/scanner.conf")),
                 "v1 test:0 | test:0 Color 300 | test:1 Color 300");
        QCOMPARE(first.err + second.err, QString());
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--as-mirel") == 0)
        return runAsMirel(argc, argv);
    QApplication app(argc, argv);
    tst_KeptSettings suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "tst_keptsettings.moc"
