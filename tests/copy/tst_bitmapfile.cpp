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
QImage page(QSize size, QImage::Format format)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y,
                             qRgb((x + 3 * y + 53 * size.height()) & 0xff, (y * 7) & 0xff, x ^ y));
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
    // Each page is saved over an earlier copy of that name. A failure is said
    // with the name and the system's reason, and the earlier copy comes through
    // whole (a missing folder: the copy suite).
    void save_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QString>("failure"); // "situation: reason"
        // The scanner's other depths go through the whole copy; a block holds
        // 1 MiB of rows, and odd widths need padding.
        const auto grey = QImage::Format_Grayscale8, colour = QImage::Format_RGB888;
        QTest::newRow("exactly one block") << QSize(4096, 256) << grey << QString();
        QTest::newRow("one row more") << QSize(4096, 257) << grey << QString();
        QTest::newRow("blocks and a part") << QSize(1001, 1500) << colour << QString();
        QTest::newRow("rows wider than a block") << QSize(400000, 3) << colour << QString();
        QTest::newRow("16-bit grey") << QSize(5, 23) << QImage::Format_Grayscale16 << QString();
        QTest::newRow("no permission")
            << QSize(300, 300) << colour << "read-only: Permission denied.";
        QTest::newRow("disk full") << QSize(300, 300) << colour << "full: File too large.";
        QTest::newRow("no page") << QSize() << colour << "no page: there is no picture to save.";
    }

    void save()
    {
        QFETCH(QSize, size);
        QFETCH(QImage::Format, format);
        QFETCH(QString, failure);
        const QString situation = failure.section(QStringLiteral(": "), 0, 0);
        QTemporaryDir dir;
        const QString folder = dir.filePath(situation), target = folder + "/copy.bmp";
        const QImage earlier = page(QSize(16, 16), QImage::Format_RGB32);
        // Only the folder stands in the way: the earlier file is anyone's to replace.
        QVERIFY(QDir().mkpath(folder) && SaveBitmapFile(earlier, target).ok &&
                QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7711)) &&
                QFile::setPermissions(target, QFileDevice::Permissions(0x6666)));
        QVERIFY(situation != "read-only" ||
                QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        const QImage original = size.isEmpty() ? QImage() : page(size, format);
        const QString message = saveInChild(original, target, situation);
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7700));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"copy.bmp"});
        if (!failure.isEmpty()) {
            QCOMPARE(message, QStringLiteral("The copy could not be saved to \"%1\": %2")
                                  .arg(target, failure.section(QStringLiteral(": "), 1)));
            QCOMPARE(QImage(target, "BMP").convertToFormat(QImage::Format_RGB32), earlier);
            return;
        }
        QCOMPARE(message, QString());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(30);
        // The header's file size is what reached the disk: no block went missing.
        QCOMPARE(qint64(qFromLittleEndian<quint32>(head.constData() + 2)), file.size());
        const bool grey = format != QImage::Format_RGB888;
        QCOMPARE(int(quint8(head[28])), grey ? 8 : 24);
        const QImage back(target, "BMP");
        QCOMPARE(back.size(), original.size());
        QCOMPARE(back.dotsPerMeterY(), 11811);
        // 16-bit samples keep their high byte; everything else is exact.
        const QImage::Format common = grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
        QCOMPARE(back.convertToFormat(common), original.convertToFormat(common));
    }
};

QTEST_GUILESS_MAIN(tst_bitmapfile)
#include "tst_bitmapfile.moc"
