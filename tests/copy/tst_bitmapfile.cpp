// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a page as a bitmap file: every row arrives in its place at the page's
// own depth and resolution, whether the page fills the writer's blocks or not,
// and a write that fails says why and never costs the user an existing file.
#include "copyjob/save/BitmapFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Pages of different heights differ everywhere, so a row left unwritten
// cannot pass for one a page of another size left behind.
QImage page(int width, int height, QImage::Format format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x + 3 * y + 53 * height) & 0xff, (y * 7) & 0xff, x ^ y));
    picture.setDotsPerMeterX(11811); // 300 dpi
    picture.setDotsPerMeterY(11811);
    return picture.convertToFormat(format);
}

// Saves in a child process that meets the situation: a write limit of 64 KiB
// (a full disk), or a user who may not write into the folder. Its message.
QString saveInChild(const QImage &img, const QString &target, const QString &situation)
{
    int out[2];
    if (pipe(out) != 0)
        return QStringLiteral("no pipe");
    if (fork() == 0) {
        const rlimit small{64 * 1024, 64 * 1024};
        signal(SIGXFSZ, SIG_IGN);
        if (situation == "full")
            setrlimit(RLIMIT_FSIZE, &small);
        if (situation == "read-only" && geteuid() == 0 && (setgid(65534) || setuid(65534)))
            _exit(2);
        const QByteArray message = SaveBitmapFile(img, target).message.toUtf8();
        _exit(write(out[1], message.constData(), size_t(message.size())) < 0);
    }
    close(out[1]);
    char text[4096] = {};
    const ssize_t n = read(out[0], text, sizeof text - 1);
    close(out[0]);
    wait(nullptr);
    return QString::fromUtf8(text, qMax<ssize_t>(n, 0));
}

} // namespace

class tst_bitmapfile : public QObject
{
    Q_OBJECT

private slots:
    void keepsEveryRow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QImage::Format>("format");
        // The scanner's other depths go through the whole copy; a block holds
        // 1 MiB of rows, and odd widths need padding.
        QTest::newRow("exactly one block") << 4096 << 256 << QImage::Format_Grayscale8;
        QTest::newRow("one row more") << 4096 << 257 << QImage::Format_Grayscale8;
        QTest::newRow("blocks and a part") << 1001 << 1500 << QImage::Format_RGB888;
        QTest::newRow("rows wider than a block") << 400000 << 3 << QImage::Format_RGB888;
        QTest::newRow("16-bit grey") << 5 << 23 << QImage::Format_Grayscale16;
    }

    void keepsEveryRow()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QImage::Format, format);
        const bool grey =
            format == QImage::Format_Grayscale8 || format == QImage::Format_Grayscale16;
        const QImage original = page(width, height, format);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("page"));
        const Outcome saved = SaveBitmapFile(original, name);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(30);
        // The header's file size is what reached the disk: no block went missing.
        QCOMPARE(qint64(qFromLittleEndian<quint32>(head.constData() + 2)), file.size());
        QCOMPARE(int(quint8(head[28])), grey ? 8 : 24);
        const QImage back(name, "BMP");
        QCOMPARE(back.size(), original.size());
        QCOMPARE(back.dotsPerMeterY(), 11811);
        // 16-bit samples keep their high byte; everything else is exact.
        const QImage::Format common = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
        QCOMPARE(back.convertToFormat(common), original.convertToFormat(common));
    }

    // Each failure is said with the name and the system's reason, and the
    // earlier copy of that name comes through whole (a missing folder: the
    // copy suite).
    void failuresSayWhereAndWhy_data()
    {
        QTest::addColumn<QString>("row"); // situation: reason
        QTest::newRow("no permission") << "read-only: Permission denied.";
        QTest::newRow("disk full") << "full: File too large.";
        QTest::newRow("no page") << "no page: there is no picture to save.";
    }

    void failuresSayWhereAndWhy()
    {
        QFETCH(QString, row);
        const QString situation = row.section(QStringLiteral(": "), 0, 0);
        QTemporaryDir dir;
        const QString folder = dir.filePath(situation), target = folder + "/copy.bmp";
        const QImage earlier = page(16, 16, QImage::Format_RGB32);
        // Only the folder stands in the way: the earlier file is anyone's to replace.
        QVERIFY(QDir().mkpath(folder) && SaveBitmapFile(earlier, target).ok &&
                QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7711)) &&
                QFile::setPermissions(target, QFileDevice::Permissions(0x6666)));
        QVERIFY(situation != "read-only" ||
                QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        const QString message =
            saveInChild(situation == "no page" ? QImage() : page(300, 300, QImage::Format_RGB888),
                        target, situation);
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7700));
        QCOMPARE(message, QStringLiteral("The copy could not be saved to \"%1\": %2")
                              .arg(target, row.section(QStringLiteral(": "), 1)));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"copy.bmp"});
        QCOMPARE(QImage(target, "BMP").convertToFormat(QImage::Format_RGB32), earlier);
    }
};

QTEST_GUILESS_MAIN(tst_bitmapfile)
#include "tst_bitmapfile.moc"
