// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-page PDF the print job writes by itself: every kind of page a
// scanner gives comes out pixel for pixel as a PDF reader shows it, and a
// device that stops taking bytes is reported.
#include "copyjob/print/PrintJob.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kWidth = 37; // not a multiple of 8: line art rows end in a part byte
constexpr int kHeight = 23;

// A picture with something different in every pixel, in one of the forms a
// scanner's page takes.
QImage pattern(QImage::Format format)
{
    QImage rgb(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            rgb.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 11) & 0xff, ((x + y) * 5) & 0xff));
    if (format != QImage::Format_Mono)
        return rgb.convertToFormat(format);
    QImage bits(kWidth, kHeight, format); // as the scanner gives it: a set bit is black
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bits.setPixel(x, y, (x * 3 + y) % 5 < 2 ? 1 : 0);
    return bits;
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

// Takes `room` bytes, then refuses whatever does not fit in what is left.
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
        QTest::newRow("line art") << pattern(QImage::Format_Mono);
        QTest::newRow("grey") << pattern(QImage::Format_Grayscale8);
        QTest::newRow("16-bit grey") << pattern(QImage::Format_Grayscale16);
        QTest::newRow("colour") << pattern(QImage::Format_RGB888);
        QTest::newRow("16-bit colour") << pattern(QImage::Format_RGBX64);
    }

    void everyKindOfPicture()
    {
        QFETCH(QImage, picture);
        QTemporaryDir dir;
        QFile pdf(dir.filePath("copy.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QVERIFY(WriteCopyPdf(pdf, exactPage(), picture, 72, kWidth, kHeight));
        pdf.close();
        QProcess render;
        render.start("pdftocairo",
                     {"-r", "72", "-png", "-singlefile", pdf.fileName(), dir.filePath("page")});
        QVERIFY(render.waitForFinished(30000));
        // A reader that complains may still draw something.
        const QByteArray complaints = render.readAllStandardError();
        QVERIFY2(render.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
        QImage shown(dir.filePath("page.png"));
        shown.setColorSpace({}); // the reader tags its PNG sRGB
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB888),
                 picture.convertToFormat(QImage::Format_RGB888));
    }

    void refusedBytesAreAFailure_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing taken") << qint64(0) << false;
        QTest::newRow("stops in the header") << qint64(100) << false;
        QTest::newRow("stops in the picture") << qint64(2000) << false;
        QTest::newRow("stops in the trailer") << qint64(-1) << false; // one byte short
        QTest::newRow("room for all") << qint64(1 << 20) << true;
    }

    void refusedBytesAreAFailure()
    {
        QFETCH(qint64, room);
        QFETCH(bool, written);
        // Noise, so that the picture alone takes more than the rows give it.
        QImage noise(300, 200, QImage::Format_RGB888);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.bytesPerLine(); ++x)
                noise.scanLine(y)[x] = uchar((x * 2654435761u + y * 40503u) >> 13);
        if (room < 0) {
            QBuffer whole;
            whole.open(QIODevice::WriteOnly);
            QVERIFY(WriteCopyPdf(whole, exactPage(), noise, 300, 300, 200));
            room += whole.size();
        }
        ShortDevice device(room);
        QCOMPARE(WriteCopyPdf(device, exactPage(), noise, 300, 300, 200), written);
    }
};

QTEST_MAIN(TestCopyPdf)
#include "tst_copypdf.moc"
