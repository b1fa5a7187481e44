// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pages of a stack kept on disk: every kind of page a scanner gives comes
// back pixel for pixel at its resolution, the spool is private, on disk, and
// goes with the stack, with the program when it is told to end, and with the
// next stack when its Mirel was killed; a disk that fills up is said in words
// and leaves no page half-written.
#include "copyjob/stack/PageStack.h"
#include "copyjob/stack/Termination.h"
#include "harness/StackPages.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QImage noise(int side)
{
    return noisePicture({side, side});
}

int mode(const QString &path)
{
    struct stat status
    {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                     : -1;
}

} // namespace

class tst_pagestack : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QImage>("taken");
        QTest::addColumn<QImage>("expected"); // what comes back from the disk
        QImage lineArt = stackPage(0);
        QImage inverted = lineArt.copy();
        inverted.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        const QImage grey = stackPage(1), colour = stackPage(2);
        QTest::newRow("line art, a set bit black") << lineArt << lineArt;
        QTest::newRow("line art, a set bit white") << inverted << inverted;
        QTest::newRow("grey") << grey << grey;
        QTest::newRow("colour") << colour << colour;
    }

    // The first page stays the very picture while it is alone; once a second
    // page comes both are on disk, and each comes back as PageSamples sorts
    // it, with the same size, two colours and resolution.
    void roundTrip()
    {
        QFETCH(QImage, taken);
        QFETCH(QImage, expected);
        PageStack stack;
        QImage back;
        QVERIFY(stack.takePage(taken).ok && stack.page(0, back).ok);
        QCOMPARE(back, taken);
        QVERIFY(stack.directory().isEmpty());
        QVERIFY(stack.takePage(stackPage(5)).ok);
        QVERIFY(!stack.directory().isEmpty());
        for (int i = 0; i < 2; ++i) {
            const Outcome read = stack.page(i, back);
            const QImage want = i == 0 ? expected : stackPage(5);
            QVERIFY2(read.ok, qPrintable(read.message));
            QCOMPARE(back.format(), want.format());
            QCOMPARE(back.colorTable(), want.colorTable());
            QCOMPARE(back.dotsPerMeterX(), want.dotsPerMeterX());
            QCOMPARE(back.dotsPerMeterY(), want.dotsPerMeterY());
            QCOMPARE(back, want);
        }
    }

    // Only the user reads the pages, on disk in the user's cache rather than
    // in a temporary folder that may be memory, and nothing of them stays
    // once the copy is over.
    void privateSpoolGoesWithTheStack()
    {
        QString directory;
        {
            const auto stack = stackOf(3);
            QVERIFY(stack->ready(2).ok);
            directory = stack->directory();
            QCOMPARE(QFileInfo(directory).path(),
                     QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
            QCOMPARE(mode(directory), 0700);
            const QFileInfoList files = QDir(directory).entryInfoList(QDir::Files);
            QCOMPARE(files.size(), 3);
            for (const QFileInfo &file : files)
                QCOMPARE(mode(file.filePath()), 0600);
        }
        QVERIFY(!QFileInfo::exists(directory));
    }

    void staleSpools_data()
    {
        QTest::addColumn<QString>("owner"); // the Mirel that made it
        QTest::addColumn<bool>("kept");
        QTest::newRow("a Mirel that ended") << "ended" << false;
        QTest::newRow("its pid used again by another process") << "reused" << false;
        QTest::newRow("a Mirel still running") << "running" << true;
    }

    // What a killed Mirel left goes with the next copy's stack; a running
    // Mirel's spool stays, whoever took the pid of an ended one.
    void staleSpools()
    {
        QFETCH(QString, owner);
        QFETCH(bool, kept);
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        const qint64 endedPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        // This very process stands for the running Mirel, and with another
        // start for one whose pid came back.
        QFile stat(QStringLiteral("/proc/self/stat"));
        QVERIFY(stat.open(QIODevice::ReadOnly));
        const QByteArray self = stat.readAll();
        const qint64 start = self.mid(self.lastIndexOf(')') + 2).split(' ').value(19).toLongLong();
        const qint64 pid = owner == "ended" ? endedPid : getpid();
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        const QString spool = QString("%1/mirel-pages-%2-%3-abcdef")
                                  .arg(folder)
                                  .arg(pid)
                                  .arg(owner == "reused" ? start - 1 : start);
        QVERIFY(QDir().mkpath(spool + "/page-00002"));
        PageStack next;
        QCOMPARE(QFileInfo::exists(spool + "/page-00002"), kept);
        QDir(spool).removeRecursively();
    }

    // Told to end, the program ends its loops, the copy under way unwinds,
    // and its spool goes: a copy of this suite, given SIGTERM in the midst
    // of a stack, exits normally and leaves nothing behind.
    void endedBySignal()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"-silent", "stackUntilTerminated"});
        QByteArray said;
        QVERIFY(QTest::qWaitFor(
            [&] {
                said += child.readAll();
                return said.contains("\nspool ") || child.state() == QProcess::NotRunning;
            },
            30000));
        const QString spool = QString::fromUtf8(said.mid(said.indexOf("\nspool ") + 7)).trimmed();
        QVERIFY2(QFileInfo(spool).isDir(), qPrintable(spool));
        ::kill(pid_t(child.processId()), SIGTERM);
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFileInfo::exists(spool));
    }

    void stackUntilTerminated()
    {
        if (!QCoreApplication::arguments().contains(QTest::currentTestFunction()))
            QSKIP("run by endedBySignal() in a child");
        QuitOnTermination(*QCoreApplication::instance());
        const auto stack = stackOf(3);
        QVERIFY(stack->ready(2).ok);
        std::printf("\nspool %s\n", qPrintable(stack->directory()));
        std::fflush(stdout);
        QEventLoop copying; // as a dialog of the copy waits
        copying.exec();
    }

    void fullDisk_data()
    {
        QTest::addColumn<QList<int>>("sides"); // of the noise pages taken, in pixels
        QTest::addColumn<int>("kept");         // pages the stack holds after the failure
        QTest::addColumn<int>("onDisk");       // files in its folder
        // A file may not grow past 64 KiB: a page of 200 x 200 (117 KiB) does
        // not fit, one of 100 x 100 (29 KiB) does.
        QTest::newRow("the first page, spooled with the second") << QList<int>{200, 100} << 1 << 0;
        QTest::newRow("the third page") << QList<int>{100, 100, 200, 100} << 2 << 2;
    }

    // In a child process whose files may not grow past the limit: the page
    // that did not fit is refused in words, leaves no file behind, and the
    // stack takes nothing more; the pages already kept stay whole.
    void fullDisk()
    {
        QFETCH(QList<int>, sides);
        QFETCH(int, kept);
        QFETCH(int, onDisk);
        int out[2];
        QVERIFY(pipe(out) == 0);
        const pid_t child = fork();
        if (child == 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit small{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &small);
            QString report, directory;
            {
                PageStack stack;
                Outcome taken;
                for (int i = 0; taken.ok && i < sides.size(); ++i)
                    taken = stack.takePage(noise(sides[i]));
                // The last page is kept while the caller goes on: said when asked for.
                if (taken.ok)
                    taken = stack.ready(stack.count() - 1);
                const Outcome again = stack.takePage(noise(10));
                bool whole = taken.is(Outcome::Code::DiskFull);
                for (int i = 0; i < stack.count(); ++i) {
                    QImage page;
                    whole = whole && stack.page(i, page).ok && page == noise(sides[i]);
                }
                directory = stack.directory();
                report = QStringLiteral("%1|%2|%3|%4|%5")
                             .arg(taken.message, again.message)
                             .arg(stack.count())
                             .arg(QDir(directory).entryList(QDir::Files).size())
                             .arg(whole);
            }
            // The failed copy's spool goes with its stack too.
            report += QStringLiteral("|%1").arg(QFileInfo::exists(directory) ? "kept" : "gone");
            const QByteArray bytes = report.toUtf8();
            _exit(write(out[1], bytes.constData(), size_t(bytes.size())) < 0);
        }
        close(out[1]);
        char text[4096] = {};
        const ssize_t n = read(out[0], text, sizeof text - 1);
        close(out[0]);
        waitpid(child, nullptr, 0);
        const QString words("There is not enough room on the disk to keep the scanned pages.");
        QCOMPARE(
            QString::fromUtf8(text, qMax<ssize_t>(n, 0)),
            QStringList({words, words, QString::number(kept), QString::number(onDisk), "1", "gone"})
                .join('|'));
    }
};

QTEST_GUILESS_MAIN(tst_pagestack)
#include "tst_pagestack.moc"
