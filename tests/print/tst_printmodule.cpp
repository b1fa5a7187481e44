// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module the program loads at its first print: Qt's printing
// support comes with it and not before, and a module that is not there is a
// message in plain words for both questions a copy asks.
#include "TestSupport.h"
#include "copyjob/print/PrintModule.h"
#include "copyjob/stack/PageStack.h"

#include <QFile>
#include <QImage>
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
        QImage page(40, 30, QImage::Format_Grayscale8);
        page.fill(128);
        const Outcome printed = module.PrintPage(page, 1, 100);
        QVERIFY(!printed.ok);
        const bool moduleMessage = printed.message.startsWith(
            QStringLiteral("Printing is not available: Mirel's print module could not be loaded."));
        QCOMPARE(moduleMessage, !loads);
        // A stack made here is read by the module's own code, and refused the
        // same way.
        PageStack stack;
        QVERIFY(stack.takePage(page, nullptr) && stack.takePage(page, nullptr));
        QCOMPARE(module.PrintStack(stack, 2, 100).message, printed.message);
        QCOMPARE(module.load() != nullptr, loads);
        QCOMPARE(printSupportMapped(), loads);
        if (loads)
            return;
        QVERIFY(printed.message.contains(path));
        MessageWatcher messages;
        QVERIFY(!module.ChoosePrinter(QStringLiteral("Copy to which printer"), 1, nullptr));
        QCOMPARE(messages.texts, QStringList{printed.message});
    }
};

QTEST_MAIN(TestPrintModule)
#include "tst_printmodule.moc"
