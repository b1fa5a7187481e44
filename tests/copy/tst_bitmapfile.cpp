// Saving a page as a bitmap file: the depth and resolution survive, and a
// write that fails says why and never costs the user an existing file.
#include "copyjob/save/BitmapFile.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

namespace {

QImage pattern(QImage::Format format, int w, int h)
{
    QImage img(w, h, format);
    if (format == QImage::Format_Mono || format == QImage::Format_MonoLSB) {
        img.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, (x * 7 + y * 3) % 5 == 0);
    } else if (format == QImage::Format_Grayscale8) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.scanLine(y)[x] = uchar((x * 13 + y * 29) & 0xFF);
    } else if (format == QImage::Format_Grayscale16) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                reinterpret_cast<quint16 *>(img.scanLine(y))[x] =
                    quint16((x * 911 + y * 331) & 0xFFFF);
    } else {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixelColor(x, y, QColor((x * 37) & 0xFF, (y * 11) & 0xFF, (x * y) & 0xFF));
    }
    img.setDotsPerMeterX(11811); // 300 dpi
    img.setDotsPerMeterY(11811);
    return img;
}

int bitsInHeader(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(30);
    return head.size() < 30 ? -1 : quint8(head[28]) | (quint8(head[29]) << 8);
}

// A folder of the given size where writes fail with "No space left on device".
bool mountTinyDisk(const QString &dir, int kib)
{
    const QByteArray options = "size=" + QByteArray::number(kib) + "k";
    return mount("tmpfs", dir.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) == 0;
}

} // namespace

class tst_bitmapfile : public QObject
{
    Q_OBJECT

private slots:
    void keepsDepthAndPixels_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("width");
        // Odd widths catch row padding mistakes.
        QTest::newRow("line art") << int(QImage::Format_Mono) << 1 << 37;
        QTest::newRow("line art, LSB first") << int(QImage::Format_MonoLSB) << 1 << 9;
        QTest::newRow("grey") << int(QImage::Format_Grayscale8) << 8 << 33;
        QTest::newRow("16-bit grey") << int(QImage::Format_Grayscale16) << 8 << 5;
        QTest::newRow("colour") << int(QImage::Format_RGB888) << 24 << 31;
        QTest::newRow("colour, 32-bit") << int(QImage::Format_RGB32) << 24 << 3;
        QTest::newRow("16-bit colour") << int(QImage::Format_RGBX64) << 24 << 7;
    }

    void keepsDepthAndPixels()
    {
        QFETCH(int, format);
        QFETCH(int, bits);
        QFETCH(int, width);
        QTemporaryDir dir;
        const QImage page = pattern(QImage::Format(format), width, 23);
        const QString file = dir.filePath(QStringLiteral("page"));
        const Outcome saved = SaveBitmapFile(page, file);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        QCOMPARE(bitsInHeader(file), bits);

        QImage back(file, "BMP");
        QVERIFY(!back.isNull());
        QCOMPARE(back.size(), page.size());
        QCOMPARE(back.dotsPerMeterX(), 11811);
        QCOMPARE(back.dotsPerMeterY(), 11811);
        // 16-bit samples keep their high byte; everything else is exact.
        const QImage want =
            page.convertToFormat(bits == 8 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        const QImage got = back.convertToFormat(want.format());
        QCOMPARE(got, want);
    }

    void replacesAnExistingFileWhole()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("copy.bmp"));
        QVERIFY(SaveBitmapFile(pattern(QImage::Format_RGB888, 40, 40), file).ok);
        QVERIFY(SaveBitmapFile(pattern(QImage::Format_Mono, 8, 8), file).ok);
        QCOMPARE(QImage(file).size(), QSize(8, 8));
    }

    void failuresSayWhereAndWhy_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing"
                                        << "No such file or directory";
        QTest::newRow("no permission") << "immutable"
                                       << "ermi"; // Permission / not permitted
        QTest::newRow("disk full") << "full"
                                   << "No space left on device";
    }

    void failuresSayWhereAndWhy()
    {
        QFETCH(QString, situation);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("target"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/copy.bmp");
        // An earlier copy that must survive the failed write.
        const QImage earlier = pattern(QImage::Format_Mono, 16, 16);
        bool undo = false;
        if (situation == QLatin1String("missing")) {
            folder.clear();
        } else if (situation == QLatin1String("immutable")) {
            QVERIFY(SaveBitmapFile(earlier, file).ok);
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) != 0)
                QSKIP("this file system cannot make a folder immutable");
            undo = true;
        } else {
            if (!mountTinyDisk(folder, 64))
                QSKIP("cannot mount a small file system here");
            QVERIFY(SaveBitmapFile(earlier, file).ok);
        }
        const QString target =
            folder.isEmpty() ? dir.filePath(QStringLiteral("nope/copy.bmp")) : file;
        const Outcome saved = SaveBitmapFile(pattern(QImage::Format_RGB888, 300, 300), target);
        if (undo)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        const bool intact =
            folder.isEmpty() || QImage(file).convertToFormat(QImage::Format_RGB32) ==
                                    earlier.convertToFormat(QImage::Format_RGB32);
        if (situation == QLatin1String("full"))
            umount(folder.toLocal8Bit().constData());
        QVERIFY(!saved.ok);
        QVERIFY2(saved.message.contains(target), qPrintable(saved.message));
        QVERIFY2(saved.message.contains(reason), qPrintable(saved.message));
        QVERIFY2(intact, "the earlier file was damaged");
    }

    void nothingToSave()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("x.bmp"));
        QVERIFY(!SaveBitmapFile(QImage(), file).ok);
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(tst_bitmapfile)
#include "tst_bitmapfile.moc"
