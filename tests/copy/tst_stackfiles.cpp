// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a stack: one PDF of every page at its true size, pixel for pixel,
// or bitmaps numbered beside the typed name; nothing existing is replaced
// before the user said yes.
#include "copyjob/save/StackFiles.h"
#include "copyjob/stack/PageStack.h"
#include "harness/StackPages.h"
#include "harness/TestSupport.h"

#include <QColorSpace>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int dpiOf(const QImage &page)
{
    return qRound(page.dotsPerMeterX() * 0.0254);
}

// Asks nothing, or records the question and answers.
struct Asked
{
    QStringList questions;
    bool answer = false;
    Confirm confirm()
    {
        return [this](const QString &question) {
            questions << question;
            return answer;
        };
    }
};

} // namespace

class tst_stackfiles : public QObject
{
    Q_OBJECT

private slots:
    void numberedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("extension") << "a.bmp" << QStringList{"a.bmp", "a-2.bmp", "a-3.bmp"};
        QTest::newRow("none") << "a" << QStringList{"a", "a-2", "a-3"};
        QTest::newRow("dotted folder")
            << "/s.v1/a" << QStringList{"/s.v1/a", "/s.v1/a-2", "/s.v1/a-3"};
        QTest::newRow("two dots") << "a.b.bmp" << QStringList{"a.b.bmp", "a.b-2.bmp", "a.b-3.bmp"};
        QTest::newRow("hidden") << "/s/.a" << QStringList{"/s/.a", "/s/.a-2", "/s/.a-3"};
    }

    void numberedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        QCOMPARE(NumberedNames(typed, 3), names);
    }

    // Ten pages in one PDF, each page the picture's own size at its own
    // resolution, shown pixel for pixel by a reader at that resolution.
    void tenPagesAsPdf()
    {
        QTemporaryDir dir;
        const auto stack = stackOf(10);
        Asked asked;
        const Outcome saved =
            SaveStack(*stack, dir.filePath("copy"), StackFormat::Pdf, asked.confirm());
        QVERIFY2(saved.ok && saved.message.isEmpty(), qPrintable(saved.message));
        QVERIFY(asked.questions.isEmpty());
        const QString pdf = dir.filePath("copy.pdf");
        const QString info = toolOutput("pdfinfo", {"-f", "1", "-l", "10", pdf});
        QVERIFY(info.contains(QRegularExpression("Pages:\\s+10\\n")));
        for (int i = 0; i < 10; ++i) {
            const QImage page = stackPage(i);
            const double points = 72.0 / dpiOf(page);
            QVERIFY2(
                info.contains(QString::asprintf("Page %4d size:  %g x %g pts", i + 1,
                                                page.width() * points, page.height() * points)),
                qPrintable(info));
            const QString dpi = QString::number(dpiOf(page)), shown = dir.filePath("shown");
            toolOutput("pdftocairo", {"-r", dpi, "-f", QString::number(i + 1), "-l",
                                      QString::number(i + 1), "-png", "-singlefile", pdf, shown});
            QImage back(shown + ".png");
            back.setColorSpace({});
            QCOMPARE(back.convertToFormat(QImage::Format_RGB888),
                     page.convertToFormat(QImage::Format_RGB888));
        }
    }

    void existingFiles_data()
    {
        QTest::addColumn<StackFormat>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        const QStringList one{"copy-2.bmp"}, several{"copy.bmp", "copy-2.bmp", "copy-3.bmp"};
        for (const bool answer : {false, true}) {
            const char *said = answer ? "yes" : "no";
            QTest::addRow("a numbered bitmap, %s", said)
                << StackFormat::Bitmaps << "copy.bmp" << one << answer
                << "The file \"copy-2.bmp\" already exists. Replace it?";
            QTest::addRow("all bitmaps, %s", said)
                << StackFormat::Bitmaps << "copy.bmp" << several << answer
                << "The files \"copy.bmp\", \"copy-2.bmp\", \"copy-3.bmp\" already exist. "
                   "Replace them?";
            QTest::addRow("the PDF, %s", said)
                << StackFormat::Pdf << "copy" << QStringList{"copy.pdf"} << answer
                << "The file \"copy.pdf\" already exists. Replace it?";
        }
        QTest::newRow("one page, as today")
            << StackFormat::Bitmaps << "copy.bmp" << QStringList{"copy.bmp"} << false << QString();
    }

    // One question names what exists; no leaves every file as it was and
    // writes none, yes replaces them. A single page is saved as a single copy
    // always was, without a question.
    void existingFiles()
    {
        QFETCH(StackFormat, format);
        QFETCH(QString, typed);
        QFETCH(QStringList, existing);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QTemporaryDir dir;
        for (const QString &name : existing)
            QVERIFY(writeFile(dir.filePath(name), "earlier"));
        const int pages = question.isEmpty() ? 1 : 3;
        const auto stack = stackOf(pages);
        Asked asked;
        asked.answer = answer;
        const Outcome saved = SaveStack(*stack, dir.filePath(typed), format, asked.confirm());
        QVERIFY2(saved.ok && saved.message.isEmpty(), qPrintable(saved.message));
        QCOMPARE(asked.questions, question.isEmpty() ? QStringList() : QStringList{question});
        const bool replaced = answer || question.isEmpty();
        const int files = !replaced ? existing.size() : format == StackFormat::Pdf ? 1 : pages;
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files);
        for (const QString &name : existing)
            QCOMPARE(readFile(dir.filePath(name)) == "earlier", !replaced);
    }
};

QTEST_MAIN(tst_stackfiles)
#include "tst_stackfiles.moc"
