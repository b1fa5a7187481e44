// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame assembler against hand-made scanner bytes: each kind of frame SANE
// sends becomes the right picture whatever the size of the reads, and frames
// that cannot make a page, or would not fit in memory, are refused in words.
// And what the SANE side reads from a driver's names.
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/sane/SaneDevice.h"
#include "copyjob/scan/sane/SaneOptions.h"
#include "copyjob/scan/sane/ScanImageAssembler.h"

#include <QTest>

class tst_ScanAssembler : public QObject
{
    Q_OBJECT

private slots:
    // Frames "KIND depth pixels bytes-a-line lines: bytes in hex" (lines -1:
    // unknown; "HH*N" is N bytes HH), separated by ";", fed in reads of `piece`
    // bytes; the page "WxH" and its pixels as colours, or the refusal.
    void assemble_data()
    {
        QTest::addColumn<QString>("frames");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char *name, const char *frames, const QString &outcome,
                            QImage::Format format = QImage::Format_Invalid, int piece = 1000,
                            int limit = 0) {
            QTest::newRow(name) << QString(frames) << piece << limit << format << outcome;
        };
        // 10 pixels need 2 bytes, padded to 3; a set bit is black.
        row("line art, padded", "GRAY 1 10 3 2: A040EE 4080EE",
            "10x2 #000 #fff #000 #fff #fff #fff #fff #fff #fff #000 "
            "#fff #000 #fff #fff #fff #fff #fff #fff #000 #fff",
            QImage::Format_Mono);
        const QString grey = "3x2 #000 #808080 #fff #0a0a0a #141414 #1e1e1e";
        row("grey 8, padded, byte by byte", "GRAY 8 3 5 2: 0080FFEEEE 0A141EEEEE", grey,
            QImage::Format_Grayscale8, 1);
        row("grey 8, height unknown", "GRAY 8 3 5 -1: 0080FFEEEE 0A141EEEEE 0102", grey,
            QImage::Format_Grayscale8, 4);
        row("grey 16, split samples", "GRAY 16 2 4 1: 3412 FFFF", "2x1 #123412341234 #fff",
            QImage::Format_Grayscale16, 3);
        const QString rgb = "2x2 red lime blue #010203";
        row("colour 8, padded", "RGB 8 2 7 2: FF000000FF00EE 0000FF010203EE", rgb,
            QImage::Format_RGB888, 5);
        row("three-pass 8",
            "RED 8 2 2 2: FF00 0001; GREEN 8 2 2 2: 00FF 0002; BLUE 8 2 2 2: 0000 FF03", rgb,
            QImage::Format_RGB888, 3);
        row("three-pass 8, blue first, height unknown",
            "BLUE 8 2 2 -1: 0000 FF03; RED 8 2 2 -1: FF00 0001; GREEN 8 2 2 -1: 00FF 0002", rgb,
            QImage::Format_RGB888);
        row("colour 1", "RGB 1 2 1 2: 88 20", "2x2 red lime blue #000", QImage::Format_RGB888, 1);
        const QString rgb16 = "2x1 #010203040506 #ffff00008000";
        row("colour 16", "RGB 16 2 12 1: 0201 0403 0605 FFFF 0000 0080", rgb16,
            QImage::Format_RGBX64, 5);
        row("three-pass 16",
            "GREEN 16 2 4 1: 0403 0000; RED 16 2 4 1: 0201 FFFF; BLUE 16 2 4 1: 0605 0080", rgb16,
            QImage::Format_RGBX64, 2);
        const auto tooLarge = [](const char *pixels, qint64 mib) {
            return QStringLiteral(
                       "This scan would be %1 pixels (%2 MiB), more than this computer's "
                       "memory can hold. Choose a lower resolution.")
                .arg(QString::fromUtf8(pixels))
                .arg(mib);
        };
        const QString early = "The scanner stopped before the whole page arrived.";
        row("page ends early", "GRAY 8 2 2 3: 6162", early);
        row("no lines at all, height unknown", "GRAY 8 2 2 -1: 61", "The scanner sent no picture.");
        row("lines shorter than the pixels", "RGB 8 4 11 1: 00*11",
            "The scanner sent lines shorter than its own picture size.");
        row("4 bits per sample", "GRAY 4 4 2 1: 6162",
            "The scanner sends 4 bits per sample, which this program cannot read.");
        row("colour pass missing", "RED 8 1 1 1: 61; BLUE 8 1 1 1: 62",
            "A colour pass of the scan is missing.");
        row("passes differ in width", "RED 8 1 1 1: 61; GREEN 8 2 2 1: 6262",
            "The colour passes of the scan do not match in size.");
        row("second picture after a grey one", "GRAY 8 1 1 1: 61; GRAY 8 1 1 1: 62",
            "The scanner sent more than one picture for a page.");
        // 2^59 bytes of 16-bit colour, far past any 32-bit sum.
        row("too large for memory", "RGB 16 268435456 1610612736 268435456:",
            tooLarge("268435456 × 268435456", 549755813888));
        row("a hand scanner's line too large",
            "GRAY 8 268435456 268435456 -1:", tooLarge("268435456 × …", 256), {}, 1000, 1 << 20);
        row("over a limit of its own", "GRAY 8 100 100 11:", tooLarge("100 × 11", 0), {}, 1000,
            1000);
        row("within a limit of its own", "GRAY 8 100 100 11:", early, {}, 1000, 1100);
        row("height unknown, over the limit", "GRAY 8 1000 1000 -1: 78*100000",
            tooLarge("1000 × …", 7), {}, 1000, 64 * 1024);
    }

    void assemble()
    {
        QFETCH(QString, frames);
        QFETCH(int, piece);
        QFETCH(int, limit);
        QFETCH(QImage::Format, format);
        QFETCH(QString, outcome);
        ScanImageAssembler assembler(limit);
        assembler.setResolution(300);
        const QStringList parts = frames.split(u';');
        ScanError o;
        for (const QString &part : parts) {
            const QStringList n = part.section(u':', 0, 0).split(u' ', Qt::SkipEmptyParts);
            const QString hex = part.section(u':', 1).remove(u' ');
            const QByteArray data =
                hex.contains(u'*') ? QByteArray(hex.section(u'*', 1).toInt(),
                                                char(hex.section(u'*', 0, 0).toInt(nullptr, 16)))
                                   : QByteArray::fromHex(hex.toLatin1());
            const auto kind =
                SANE_Frame(QStringList({"GRAY", "RGB", "RED", "GREEN", "BLUE"}).indexOf(n[0]));
            const SANE_Bool last = &part == &parts.last() ? SANE_TRUE : SANE_FALSE;
            const SANE_Parameters p{kind,         last,         n[3].toInt(),
                                    n[2].toInt(), n[4].toInt(), n[1].toInt()};
            o = assembler.beginFrame(p);
            for (qsizetype at = 0; !o && at < data.size(); at += piece)
                o = assembler.addData(reinterpret_cast<const uchar *>(data.constData()) + at,
                                      qMin<qsizetype>(piece, data.size() - at));
            if (o || (o = assembler.endFrame()))
                break;
        }
        QCOMPARE(assembler.isComplete(), !o);
        const QImage page = assembler.takeImage();
        QCOMPARE(page.format(), format);
        if (o)
            QCOMPARE(o.text(), outcome);
        if (o)
            return;
        // Colours compared at 16 bits a channel, so 8-bit ones compare exactly too.
        const auto name = [](QColor c) {
            return QString::asprintf("%04x%04x%04x", c.rgba64().red(), c.rgba64().green(),
                                     c.rgba64().blue());
        };
        QStringList got{QStringLiteral("%1x%2").arg(page.width()).arg(page.height())},
            want = outcome.split(u' ');
        for (int i = 0; i < page.width() * page.height(); ++i)
            got << name(page.pixelColor(i % page.width(), i / page.width()));
        for (qsizetype i = 1; i < want.size(); ++i)
            want[i] = name(QColor(want[i]));
        QCOMPARE(got, want);
        QCOMPARE(QSize(page.dotsPerMeterX(), page.dotsPerMeterY()), QSize(11811, 11811));
    }

    // Whether a device is reached over the network, by its SANE name: the
    // backends that only reach one so, and vendors' network devices beside
    // their USB ones.
    void networkNames_data()
    {
        QTest::addColumn<bool>("networked");
        for (const char *name :
             {"net:192.168.1.2:test:0", "airscan:e0:Brother MFC-L2710DW",
              "escl:https://10.0.0.5:443", "epson2:net:192.168.1.7", "epsonds:net:10.0.0.9",
              "kodakaio:net:10.0.0.4", "hpaio:/net/Officejet_Pro_8600?ip=10.0.0.3",
              "pixma:MF4800_192.168.1.45", "xerox_mfp:tcp 10.0.0.2", "brother4:net1;dev0"})
            QTest::newRow(name) << true;
        for (const char *name :
             {"test:0", "epson2:libusb:001:004", "hpaio:/usb/Officejet_Pro_8600?serial=CN1",
              "pixma:04A91709_123456", "xerox_mfp:libusb:001:003", "brother4:bus2;dev1",
              "genesys:libusb:001:002"})
            QTest::newRow(name) << false;
    }

    void networkNames()
    {
        QFETCH(bool, networked);
        QCOMPARE(isNetworkDevice(QTest::currentDataTag()), networked);
    }

    // The kind of picture a colour mode gives, by SANE's names and drivers' own.
    void modeKinds_data()
    {
        QTest::addColumn<int>("kind");
        for (const auto &[mode, kind] : {std::pair{"Color", 4},
                                         {"24bit Color", 4},
                                         {"Gray", 2},
                                         {"True Gray", 2},
                                         {"Lineart", 1},
                                         {"Halftone", 1},
                                         {"Binary", 1},
                                         {"Infrared", 0}})
            QTest::newRow(mode) << kind;
    }

    void modeKinds()
    {
        QFETCH(int, kind);
        QCOMPARE(pixelTypeOfMode(QTest::currentDataTag()).toInt(), kind);
    }

    void versionNumber()
    {
        // 1.1 reads 110, never 101.
        QCOMPARE(QList<int>({saneVersionTimes100(1, 0), saneVersionTimes100(1, 1),
                             saneVersionTimes100(1, 12), saneVersionTimes100(2, 5)}),
                 QList<int>({100, 110, 112, 250}));
    }
};

QTEST_GUILESS_MAIN(tst_ScanAssembler)
#include "tst_scanassembler.moc"
