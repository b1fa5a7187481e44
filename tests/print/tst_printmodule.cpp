// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module the program loads at its first print: Qt's printing
// support comes with it and not before; the program finds it where it is
// installed or beside itself; a module that is not there is a message in
// plain words for both questions a copy asks.
#include "TestSupport.h"
#include "copyjob/print/PrintModule.h"
#include "copyjob/stack/PageStack.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool printSupportMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}

} // namespace

class TestPrintModule : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("loads");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/mirel-print.so") << false;
        QTest::newRow("built") << QStringLiteral(MIREL_PRINT_MODULE) << true;
    }

    void load()
    {
        QFETCH(QString, path);
        QFETCH(bool, loads);
        // No scheduler answers here: the real print job says so itself.
        qputenv("CUPS_SERVER", "127.0.0.1:9");
        QVERIFY(!printSupportMapped());
        PrintModule module;
        module.setModulePath(path);
        // Nothing to follow before the module is there, and nothing loads it.
        PrintedJob job;
        job.id = 7;
        module.followJob(job);
        module.cancelLatestJob();
        QVERIFY(!printSupportMapped());
        // A stack made here is read by the module's own code.
        QImage page(40, 30, QImage::Format_Grayscale8);
        page.fill(128);
        PageStack stack;
        QVERIFY(stack.takePage(page).ok && stack.takePage(page).ok);
        const PrintResult printed = module.PrintStack(stack, 2, 100);
        QVERIFY(!printed.outcome.ok);
        const bool moduleMessage = printed.outcome.message.startsWith(
            QStringLiteral("Printing is not available: Mirel's print module could not be loaded."));
        QCOMPARE(moduleMessage, !loads);
        QCOMPARE(module.load() != nullptr, loads);
        QCOMPARE(printSupportMapped(), loads);
        if (loads)
            return;
        QVERIFY(printed.outcome.message.contains(path));
        MessageWatcher messages;
        QVERIFY(!module.ChoosePrinter(QStringLiteral("Copy to which printer"), 1, nullptr));
        QCOMPARE(messages.texts, QStringList{printed.outcome.message});
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("place"); // of the module, from the program's folder
        QTest::addColumn<bool>("loads");
        QTest::newRow("installed") << QStringLiteral(MIREL_PRINT_MODULE_DIR) << true;
        QTest::newRow("beside the program, as built") << QString() << true;
        QTest::newRow("elsewhere") << QStringLiteral("../lib") << false;
    }

    // A copy of this suite stands for the program: the module found by the
    // program's own lookup, with no path given.
    void lookup()
    {
        QFETCH(QString, place);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        const QString program = dir.filePath("bin/tst_printmodule");
        const QString module = QDir::cleanPath(dir.filePath("bin/" + place) + "/mirel-print.so");
        QVERIFY(QDir().mkpath(dir.filePath("bin")) && QDir().mkpath(QFileInfo(module).path()));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QVERIFY(QFile::copy(QStringLiteral(MIREL_PRINT_MODULE), module));
        const ChildRun child = runChild(program, {QStringLiteral("lookedUpHere")});
        QVERIFY(child.ended);
        QVERIFY2(child.ok() == loads, (child.out + child.err).constData());
    }

    void lookedUpHere()
    {
        if (!QCoreApplication::arguments().contains(QTest::currentTestFunction()))
            QSKIP("run by lookup() from a copy of this suite");
        PrintModule module;
        QVERIFY2(module.load(), qPrintable(module.error()));
    }
};

QTEST_MAIN(TestPrintModule)
#include "tst_printmodule.moc"
