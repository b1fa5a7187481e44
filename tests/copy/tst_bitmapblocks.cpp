// Large pages go to disk in blocks of many rows: every row arrives once, in
// its place, whether the page fills its blocks exactly or leaves a part block.
#include "copyjob/save/BitmapFile.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// Pages of different heights differ everywhere, so a row left unwritten
// cannot pass for the one a page of another size left in memory.
QImage page(int width, int height, QImage::Format format)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(
                x, y, qRgb((x + 3 * y + 53 * height) & 0xff, (y * 7) & 0xff, (x ^ y) & 0xff));
    return picture.convertToFormat(format);
}

} // namespace

class TestBitmapBlocks : public QObject
{
    Q_OBJECT

private slots:
    void rowsSurviveTheBlocks_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QImage::Format>("format");
        // A megabyte holds 1,048,576 / 4,096 = 256 rows of 4,096 bytes.
        QTest::newRow("exactly one block") << 4096 << 256 << QImage::Format_Grayscale8;
        QTest::newRow("one row more") << 4096 << 257 << QImage::Format_Grayscale8;
        QTest::newRow("several blocks and a part") << 1001 << 1500 << QImage::Format_RGB888;
        QTest::newRow("rows wider than a block") << 400000 << 3 << QImage::Format_RGB888;
        QTest::newRow("32-bit colour over blocks") << 777 << 900 << QImage::Format_RGB32;
    }

    void rowsSurviveTheBlocks()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QImage::Format, format);
        const QImage original = page(width, height, format);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("page.bmp"));
        const Outcome saved = SaveBitmapFile(original, name);
        QVERIFY2(saved.ok, qPrintable(saved.message));
        // The header's file size is what reached the disk: no block went missing.
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(6);
        QCOMPARE(qint64(qFromLittleEndian<quint32>(head.constData() + 2)), file.size());
        const QImage back(name, "BMP");
        QCOMPARE(back.size(), original.size());
        const QImage::Format common =
            format == QImage::Format_Grayscale8 ? QImage::Format_Grayscale8 : QImage::Format_RGB32;
        QCOMPARE(back.convertToFormat(common), original.convertToFormat(common));
    }
};

QTEST_MAIN(TestBitmapBlocks)
#include "tst_bitmapblocks.moc"
