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
    picture = picture.convertToFormat(format);
    if (format == QImage::Format_Mono) // white for 0: the bits keep their table's meaning
        picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return picture;
}

// Saves in a child process that meets the situation: a write limit of 64 KiB
// (a full disk), or a user who may not write into the folder.
Outcome saveInChild(const QImage &img, const QString &target, const QString &situation)
{
    int out[2];
    if (pipe(out) != 0)
        return Outcome::failure(QStringLiteral("no pipe"));
    if (fork() == 0) {
        const rlimit small{64 * 1024, 64 * 1024};
        signal(SIGXFSZ, SIG_IGN);
        if (situation == QLatin1String("full"))
            setrlimit(RLIMIT_FSIZE, &small);
        if (situation == QLatin1String("read-only") && geteuid() == 0 &&
            (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const QByteArray message = SaveBitmapFile(img, target).message.toUtf8();
        _exit(write(out[1], message.constData(), size_t(message.size())) < 0);
    }
    close(out[1]);
    QFile reader;
    reader.open(out[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QString message = QString::fromUtf8(reader.readAll());
    wait(nullptr);
    return message.isEmpty() ? Outcome::success() : Outcome::failure(message);
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
        QTest::addColumn<int>("bits");
        // Odd widths catch row padding; a block holds 1 MiB of rows.
        QTest::newRow("line art") << 37 << 23 << QImage::Format_Mono << 1;
        QTest::newRow("line art, LSB first") << 9 << 23 << QImage::Format_MonoLSB << 1;
        QTest::newRow("grey") << 33 << 23 << QImage::Format_Grayscale8 << 8;
        QTest::newRow("16-bit grey") << 5 << 23 << QImage::Format_Grayscale16 << 8;
        QTest::newRow("colour") << 31 << 23 << QImage::Format_RGB888 << 24;
        QTest::newRow("colour, 32-bit") << 777 << 900 << QImage::Format_RGB32 << 24;
        QTest::newRow("16-bit colour") << 7 << 23 << QImage::Format_RGBX64 << 24;
        QTest::newRow("exactly one block") << 4096 << 256 << QImage::Format_Grayscale8 << 8;
        QTest::newRow("one row more") << 4096 << 257 << QImage::Format_Grayscale8 << 8;
        QTest::newRow("blocks and a part") << 1001 << 1500 << QImage::Format_RGB888 << 24;
        QTest::newRow("rows wider than a block") << 400000 << 3 << QImage::Format_RGB888 << 24;
    }

    void keepsEveryRow()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QImage::Format, format);
        QFETCH(int, bits);
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
        QCOMPARE(int(quint8(head[28])), bits);
        const QImage back(name, "BMP");
        QCOMPARE(back.size(), original.size());
        QCOMPARE(back.dotsPerMeterY(), 11811);
        // 16-bit samples keep their high byte; everything else is exact.
        const QImage::Format common = bits == 8 ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
        QCOMPARE(back.convertToFormat(common), original.convertToFormat(common));
    }

    void failuresSayWhereAndWhy_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing"
                                        << "No such file or directory.";
        QTest::newRow("no permission") << "read-only"
                                       << "Permission denied.";
        QTest::newRow("disk full") << "full"
                                   << "File too large.";
        QTest::newRow("no page") << "no page"
                                 << "there is no picture to save.";
    }

    void failuresSayWhereAndWhy()
    {
        QFETCH(QString, situation);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString folder = dir.filePath(situation);
        const QString target = folder + QStringLiteral("/copy.bmp");
        // An earlier copy that must survive the failed write.
        const QImage earlier = page(16, 16, QImage::Format_Mono);
        if (situation != QLatin1String("missing")) {
            QVERIFY(QDir().mkpath(folder) && SaveBitmapFile(earlier, target).ok);
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ExeOther));
        }
        // Only the folder stands in the way: the earlier file is anyone's to replace.
        if (situation == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(target, QFileDevice::Permissions(0x6666)) &&
                    QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        const QImage img = situation == QLatin1String("no page")
                               ? QImage()
                               : page(300, 300, QImage::Format_RGB888);
        const Outcome saved = saveInChild(img, target, situation);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(saved.message,
                 QStringLiteral("The copy could not be saved to \"%1\": %2").arg(target, reason));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 situation == QLatin1String("missing") ? QStringList()
                                                       : QStringList{QStringLiteral("copy.bmp")});
        if (situation != QLatin1String("missing"))
            QCOMPARE(QImage(target, "BMP"), earlier);
    }
};

QTEST_GUILESS_MAIN(tst_bitmapfile)
#include "tst_bitmapfile.moc"
