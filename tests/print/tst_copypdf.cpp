// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF the print job writes by itself: every kind of page a scanner gives,
// held in memory, comes out pixel for pixel as a PDF reader shows it, and a
// device that stops taking bytes is reported.
#include "copyjob/stack/StackPdf.h"
#include "harness/StackPages.h"

#include <QBuffer>
#include <QColorSpace>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

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
        QTest::addColumn<int>("format");
        QTest::newRow("line art") << int(QImage::Format_Mono);
        QTest::newRow("grey") << int(QImage::Format_Grayscale8);
        QTest::newRow("16-bit grey") << int(QImage::Format_Grayscale16);
        QTest::newRow("colour") << int(QImage::Format_RGB888);
        QTest::newRow("16-bit colour") << int(QImage::Format_RGBX64);
    }

    // A page the size of the picture at 72 dpi: a reader rendering it at
    // 72 dpi (pdftocairo; pdftoppm smooths pictures even at their own size)
    // shows one picture pixel per screen pixel.
    void everyKindOfPicture()
    {
        QFETCH(int, format);
        const QImage picture = scannedPicture({37, 23}, 72, QImage::Format(format));
        QTemporaryDir dir;
        QFile pdf(dir.filePath("copy.pdf"));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QVERIFY(WriteStackPdf(pdf, *stackOf({picture}), 100, nullptr).ok);
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
        const auto stack = stackOf({noisePicture({300, 200})});
        if (room < 0) {
            QBuffer whole;
            whole.open(QIODevice::WriteOnly);
            QVERIFY(WriteStackPdf(whole, *stack, 100, nullptr).ok);
            room += whole.size();
        }
        ShortDevice device(room);
        QCOMPARE(WriteStackPdf(device, *stack, 100, nullptr).ok, written);
    }
};

QTEST_MAIN(TestCopyPdf)
#include "tst_copypdf.moc"
