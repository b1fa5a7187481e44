// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-page PDF the print job writes by itself: every kind of picture a
// scan or the clipboard can hold comes out pixel for pixel as a PDF reader
// shows it, and a device that stops taking bytes is reported.
#include "copyjob/print/PrintJob.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

namespace {

constexpr int kWidth = 37; // not a multiple of 8: line art rows end in a part byte
constexpr int kHeight = 23;

// A picture with something different in every pixel.
QImage pattern(QImage::Format format)
{
    QImage rgb(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            rgb.setPixel(x, y, qRgba((x * 7) & 0xff, (y * 11) & 0xff, ((x + y) * 5) & 0xff, 255));
    return rgb.convertToFormat(format);
}

QImage lineArt(QImage::Format format, QRgb zero, QRgb one)
{
    QImage bits(kWidth, kHeight, format);
    bits.setColorTable({zero, one});
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bits.setPixel(x, y, (x * 3 + y) % 5 < 2 ? 1 : 0);
    return bits;
}

// Grey through a palette of the 256 greys in order, as some programs keep it.
QImage greyPalette()
{
    const QImage grey = pattern(QImage::Format_Grayscale8);
    QImage indexed(grey.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, i, i);
    indexed.setColorTable(table);
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(indexed.scanLine(y), grey.constScanLine(y), size_t(grey.width()));
    return indexed;
}

// What paper shows: the picture over white, eight bits a channel.
QImage onPaper(const QImage &picture)
{
    QImage paper(picture.size(), QImage::Format_RGB888);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, picture);
    return paper;
}

int largestDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = qMax(worst, qMax(qAbs(qRed(p) - qRed(q)),
                                     qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)))));
        }
    return worst;
}

// A page the size of the picture at 72 dpi: a reader rendering it at 72 dpi
// (pdftocairo; pdftoppm smooths pictures even at their own size)
// shows one picture pixel per screen pixel.
QPageLayout exactPage()
{
    return QPageLayout(
        QPageSize(QSizeF(kWidth, kHeight), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF());
}

// Takes `room` bytes, then refuses.
class ShortDevice : public QIODevice
{
public:
    explicit ShortDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (size > m_room)
            return -1;
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

class TestCopyPdf : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfPicture_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<int>("tolerance");
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        QTest::newRow("line art, 1 is black") << lineArt(QImage::Format_Mono, white, black) << 0;
        QTest::newRow("line art, 1 is white") << lineArt(QImage::Format_Mono, black, white) << 0;
        QTest::newRow("line art, least significant bit first")
            << lineArt(QImage::Format_MonoLSB, white, black) << 0;
        QTest::newRow("line art in two colours")
            << lineArt(QImage::Format_Mono, qRgb(255, 0, 0), qRgb(0, 0, 255)) << 0;
        QTest::newRow("grey") << pattern(QImage::Format_Grayscale8) << 0;
        QTest::newRow("16-bit grey") << pattern(QImage::Format_Grayscale16) << 0;
        QTest::newRow("grey palette") << greyPalette() << 0;
        QTest::newRow("colour palette") << pattern(QImage::Format_Indexed8) << 0;
        QTest::newRow("colour") << pattern(QImage::Format_RGB888) << 0;
        QTest::newRow("32-bit colour") << pattern(QImage::Format_RGB32) << 0;
        QTest::newRow("16-bit colour") << pattern(QImage::Format_RGBX64) << 0;
        QImage seeThrough = pattern(QImage::Format_ARGB32);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                seeThrough.setPixel(x, y, (seeThrough.pixel(x, y) & 0xffffff) | ((x * 9u) << 24));
        // Rounding of the premultiplied pixels may differ by one step.
        QTest::newRow("transparent over the paper") << seeThrough << 1;
    }

    void everyKindOfPicture()
    {
        QFETCH(QImage, picture);
        QFETCH(int, tolerance);
        QTemporaryDir dir;
        const QString pdfPath = dir.filePath(QStringLiteral("copy.pdf"));
        {
            QFile pdf(pdfPath);
            QVERIFY(pdf.open(QIODevice::WriteOnly));
            QVERIFY(WriteCopyPdf(pdf, exactPage(), picture, 72, kWidth, kHeight));
        }
        QProcess render;
        render.start(QStringLiteral("pdftocairo"),
                     {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                      QStringLiteral("-singlefile"), pdfPath,
                      dir.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(30000));
        QVERIFY2(render.exitCode() == 0, render.readAllStandardError().constData());
        QVERIFY2(render.readAllStandardError().isEmpty(), "the reader complained");
        const QImage shown(dir.filePath(QStringLiteral("page.png")));
        QCOMPARE(shown.size(), picture.size());
        const int difference = largestDifference(shown, onPaper(picture));
        QVERIFY2(difference <= tolerance, qPrintable(QString::number(difference)));
    }

    void refusedBytesAreAFailure_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::newRow("nothing taken") << qint64(0);
        QTest::newRow("stops in the header") << qint64(100);
        QTest::newRow("stops in the picture") << qint64(2000);
    }

    void refusedBytesAreAFailure()
    {
        QFETCH(qint64, room);
        // Noise, so the picture's stream is longer than the room left.
        QImage noise(300, 200, QImage::Format_RGB888);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.bytesPerLine(); ++x)
                noise.scanLine(y)[x] = uchar((x * 2654435761u + y * 40503u) >> 13);
        ShortDevice device(room);
        QVERIFY(!WriteCopyPdf(device, exactPage(), noise, 300, 300, 200));
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(WriteCopyPdf(whole, exactPage(), noise, 300, 300, 200));
        QVERIFY(whole.size() > 4000);
    }

    void noPictureIsAFailure()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(!WriteCopyPdf(buffer, exactPage(), QImage(), 72, 10, 10));
    }
};

QTEST_MAIN(TestCopyPdf)
#include "tst_copypdf.moc"
