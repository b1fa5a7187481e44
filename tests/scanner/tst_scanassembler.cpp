#include "copyjob/scan/SaneApi.h"
#include "copyjob/scan/ScanImageAssembler.h"

#include <QTest>

#include <cstring>

namespace {

SANE_Parameters params(SANE_Frame format, int depth, int ppl, int bpl, int lines, bool last = true)
{
    SANE_Parameters p{};
    p.format = format;
    p.depth = depth;
    p.pixels_per_line = ppl;
    p.bytes_per_line = bpl;
    p.lines = lines;
    p.last_frame = last ? SANE_TRUE : SANE_FALSE;
    return p;
}

QByteArray words(std::initializer_list<quint16> values)
{
    QByteArray bytes;
    for (quint16 v : values)
        bytes.append(reinterpret_cast<const char *>(&v), sizeof v);
    return bytes;
}

struct Frame
{
    SANE_Parameters params;
    QByteArray data;
};

// Feeds the frames in pieces of `piece` bytes, as a scanner with a small
// read limit would.
Outcome assemble(ScanImageAssembler &a, const QList<Frame> &frames, int piece)
{
    for (const Frame &f : frames) {
        Outcome o = a.beginFrame(f.params);
        if (!o.ok)
            return o;
        for (qsizetype at = 0; at < f.data.size(); at += piece) {
            const qsizetype n = std::min<qsizetype>(piece, f.data.size() - at);
            o = a.addData(reinterpret_cast<const unsigned char *>(f.data.constData()) + at, n);
            if (!o.ok)
                return o;
        }
        o = a.endFrame();
        if (!o.ok)
            return o;
    }
    return Outcome::success();
}

} // namespace

class tst_ScanAssembler : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void refusals_data();
    void refusals();
    void tooLargeForMemory();
    void unknownHeightOverMemoryLimit();
    void versionNumber_data();
    void versionNumber();
};

void tst_ScanAssembler::formats_data()
{
    QTest::addColumn<QList<Frame>>("frames");
    QTest::addColumn<int>("piece");
    QTest::addColumn<QImage>("expected");

    auto image = [](int w, int h, QImage::Format format) { return QImage(w, h, format); };

    {
        // 10 pixels need 2 bytes; the scanner pads each line to 3. 1 is black.
        QImage mono = image(10, 2, QImage::Format_Mono);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        const uchar row0[] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
        const uchar row1[] = {0, 1, 0, 0, 0, 0, 0, 0, 1, 0};
        for (int x = 0; x < 10; ++x) {
            mono.setPixel(x, 0, row0[x]);
            mono.setPixel(x, 1, row1[x]);
        }
        const QByteArray data = QByteArray::fromHex("A040EE"
                                                    "4080EE");
        QTest::newRow("line art, padded")
            << QList<Frame>{{params(SANE_FRAME_GRAY, 1, 10, 3, 2), data}} << 1000 << mono;
    }
    {
        QImage grey = image(3, 2, QImage::Format_Grayscale8);
        const uchar px[] = {0, 128, 255, 10, 20, 30};
        for (int i = 0; i < 6; ++i)
            grey.setPixel(i % 3, i / 3, qRgb(px[i], px[i], px[i]));
        const QByteArray data = QByteArray::fromHex("0080FFEEEE"
                                                    "0A141EEEEE");
        QTest::newRow("grey 8, padded, byte by byte")
            << QList<Frame>{{params(SANE_FRAME_GRAY, 8, 3, 5, 2), data}} << 1 << grey;
        QTest::newRow("grey 8, height unknown")
            << QList<Frame>{{params(SANE_FRAME_GRAY, 8, 3, 5, -1), data + "\x01\x02"}} << 4 << grey;
    }
    {
        QImage grey16 = image(2, 1, QImage::Format_Grayscale16);
        reinterpret_cast<quint16 *>(grey16.scanLine(0))[0] = 0x1234;
        reinterpret_cast<quint16 *>(grey16.scanLine(0))[1] = 0xFFFF;
        QTest::newRow("grey 16, split samples")
            << QList<Frame>{{params(SANE_FRAME_GRAY, 16, 2, 4, 1), words({0x1234, 0xFFFF})}} << 3
            << grey16;
    }
    {
        QImage rgb = image(2, 2, QImage::Format_RGB888);
        rgb.setPixel(0, 0, qRgb(255, 0, 0));
        rgb.setPixel(1, 0, qRgb(0, 255, 0));
        rgb.setPixel(0, 1, qRgb(0, 0, 255));
        rgb.setPixel(1, 1, qRgb(1, 2, 3));
        const QByteArray data = QByteArray::fromHex("FF000000FF00EE"
                                                    "0000FF010203EE");
        QTest::newRow("colour 8, padded")
            << QList<Frame>{{params(SANE_FRAME_RGB, 8, 2, 7, 2), data}} << 5 << rgb;
        const QByteArray r = QByteArray::fromHex("FF00"
                                                 "0001"),
                         g = QByteArray::fromHex("00FF"
                                                 "0002"),
                         b = QByteArray::fromHex("0000"
                                                 "FF03");
        QTest::newRow("three-pass 8")
            << QList<Frame>{{params(SANE_FRAME_RED, 8, 2, 2, 2, false), r},
                            {params(SANE_FRAME_GREEN, 8, 2, 2, 2, false), g},
                            {params(SANE_FRAME_BLUE, 8, 2, 2, 2), b}}
            << 3 << rgb;
        QTest::newRow("three-pass 8, blue first, height unknown")
            << QList<Frame>{{params(SANE_FRAME_BLUE, 8, 2, 2, -1, false), b},
                            {params(SANE_FRAME_RED, 8, 2, 2, -1, false), r},
                            {params(SANE_FRAME_GREEN, 8, 2, 2, -1), g}}
            << 1000 << rgb;
        // 1 bit per sample: a set bit is full intensity. Pixels R, G / B, black.
        QImage rgb1 = image(2, 2, QImage::Format_RGB888);
        rgb1.setPixel(0, 0, qRgb(255, 0, 0));
        rgb1.setPixel(1, 0, qRgb(0, 255, 0));
        rgb1.setPixel(0, 1, qRgb(0, 0, 255));
        rgb1.setPixel(1, 1, qRgb(0, 0, 0));
        QTest::newRow("colour 1") << QList<Frame>{{params(SANE_FRAME_RGB, 1, 2, 1, 2),
                                                   QByteArray::fromHex("88"
                                                                       "20")}}
                                  << 1 << rgb1;
    }
    {
        QImage rgb16 = image(2, 1, QImage::Format_RGBX64);
        auto *line = reinterpret_cast<QRgba64 *>(rgb16.scanLine(0));
        line[0] = QRgba64::fromRgba64(0x0102, 0x0304, 0x0506, 0xFFFF);
        line[1] = QRgba64::fromRgba64(0xFFFF, 0, 0x8000, 0xFFFF);
        QTest::newRow("colour 16")
            << QList<Frame>{{params(SANE_FRAME_RGB, 16, 2, 12, 1),
                             words({0x0102, 0x0304, 0x0506, 0xFFFF, 0, 0x8000})}}
            << 5 << rgb16;
        QTest::newRow("three-pass 16")
            << QList<Frame>{{params(SANE_FRAME_GREEN, 16, 2, 4, 1, false), words({0x0304, 0})},
                            {params(SANE_FRAME_RED, 16, 2, 4, 1, false), words({0x0102, 0xFFFF})},
                            {params(SANE_FRAME_BLUE, 16, 2, 4, 1), words({0x0506, 0x8000})}}
            << 2 << rgb16;
    }
}

void tst_ScanAssembler::formats()
{
    QFETCH(QList<Frame>, frames);
    QFETCH(int, piece);
    QFETCH(QImage, expected);

    ScanImageAssembler a;
    a.setResolution(300);
    const Outcome o = assemble(a, frames, piece);
    QVERIFY2(o.ok, qPrintable(o.message));
    QVERIFY(a.isComplete());
    const QImage got = a.takeImage();
    QCOMPARE(got.format(), expected.format());
    QCOMPARE(got.size(), expected.size());
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            QVERIFY2(got.pixelColor(x, y) == expected.pixelColor(x, y),
                     qPrintable(QStringLiteral("pixel %1,%2: %3, expected %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(got.pixelColor(x, y).name(QColor::HexArgb),
                                         expected.pixelColor(x, y).name(QColor::HexArgb))));
    QCOMPARE(got.dotsPerMeterX(), 11811);
    QCOMPARE(got.dotsPerMeterY(), 11811);
}

void tst_ScanAssembler::refusals_data()
{
    QTest::addColumn<QList<Frame>>("frames");
    QTest::addColumn<QString>("fragment");

    QTest::newRow("page ends early")
        << QList<Frame>{{params(SANE_FRAME_GRAY, 8, 2, 2, 3), "ab"}} << "before the whole page";
    QTest::newRow("no lines at all, height unknown")
        << QList<Frame>{{params(SANE_FRAME_GRAY, 8, 2, 2, -1), "a"}} << "no picture";
    QTest::newRow("lines shorter than the pixels")
        << QList<Frame>{{params(SANE_FRAME_RGB, 8, 4, 11, 1), QByteArray(11, 0)}} << "shorter";
    QTest::newRow("4 bits per sample")
        << QList<Frame>{{params(SANE_FRAME_GRAY, 4, 4, 2, 1), "ab"}} << "4 bits";
    QTest::newRow("colour pass missing")
        << QList<Frame>{{params(SANE_FRAME_RED, 8, 1, 1, 1, false), "a"},
                        {params(SANE_FRAME_BLUE, 8, 1, 1, 1), "b"}}
        << "pass of the scan is missing";
    QTest::newRow("passes differ in width")
        << QList<Frame>{{params(SANE_FRAME_RED, 8, 1, 1, 1, false), "a"},
                        {params(SANE_FRAME_GREEN, 8, 2, 2, 1, false), "bb"}}
        << "do not match";
    QTest::newRow("second picture after a grey one")
        << QList<Frame>{{params(SANE_FRAME_GRAY, 8, 1, 1, 1, false), "a"},
                        {params(SANE_FRAME_GRAY, 8, 1, 1, 1), "b"}}
        << "more than one picture";
}

void tst_ScanAssembler::refusals()
{
    QFETCH(QList<Frame>, frames);
    QFETCH(QString, fragment);

    ScanImageAssembler a;
    const Outcome o = assemble(a, frames, 1000);
    QVERIFY(!o.ok);
    QVERIFY2(o.message.contains(fragment), qPrintable(o.message));
    QVERIFY(!a.isComplete());
    QVERIFY(a.takeImage().isNull());
}

void tst_ScanAssembler::tooLargeForMemory()
{
    // 2^28 x 2^28 pixels of 16-bit colour: 2^59 bytes, far past any 32-bit sum.
    ScanImageAssembler a;
    const int huge = 1 << 28;
    const Outcome o = a.beginFrame(params(SANE_FRAME_RGB, 16, huge, 6 * huge, huge));
    QVERIFY(!o.ok);
    QVERIFY2(o.message.contains(QStringLiteral("memory")), qPrintable(o.message));
    QVERIFY2(o.message.contains(QStringLiteral("268435456 × 268435456")), qPrintable(o.message));
    // A hand scanner's single line can be too large as well.
    QVERIFY(!ScanImageAssembler(1 << 20).beginFrame(params(SANE_FRAME_GRAY, 8, huge, huge, -1)).ok);
    // A limit of its own applies the same way to a modest page.
    ScanImageAssembler small(1000);
    QVERIFY(!small.beginFrame(params(SANE_FRAME_GRAY, 8, 100, 100, 11)).ok);
    QVERIFY(ScanImageAssembler(1100).beginFrame(params(SANE_FRAME_GRAY, 8, 100, 100, 11)).ok);
}

void tst_ScanAssembler::unknownHeightOverMemoryLimit()
{
    ScanImageAssembler a(64 * 1024);
    QVERIFY(a.beginFrame(params(SANE_FRAME_GRAY, 8, 1000, 1000, -1)).ok);
    const QByteArray line(1000, 'x');
    Outcome o = Outcome::success();
    int lines = 0;
    while (o.ok && lines < 1000) {
        o = a.addData(reinterpret_cast<const unsigned char *>(line.constData()), line.size());
        ++lines;
    }
    QVERIFY(!o.ok);
    QVERIFY2(o.message.contains(QStringLiteral("memory")), qPrintable(o.message));
    QVERIFY(lines < 100);
}

void tst_ScanAssembler::versionNumber_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("expected");
    QTest::newRow("1.0") << 1 << 0 << 100;
    QTest::newRow("1.1") << 1 << 1 << 110;
    QTest::newRow("1.12") << 1 << 12 << 112;
    QTest::newRow("2.5") << 2 << 5 << 250;
}

void tst_ScanAssembler::versionNumber()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, expected);
    QCOMPARE(saneVersionTimes100(major, minor), expected);
}

QTEST_GUILESS_MAIN(tst_ScanAssembler)
#include "tst_scanassembler.moc"
