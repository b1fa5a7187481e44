// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on the clipboard as another program pastes it: read back by a
// separate process (xclip on X11, wl-paste under a Wayland compositor) under
// each standard type it is offered as, it is the scanned page, pixel for pixel.
#include "common/PageClipboard.h"
#include "harness/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>

class tst_pageclipboard : public QObject
{
    Q_OBJECT

    static bool wayland() { return QGuiApplication::platformName().startsWith("wayland"); }

    // What another program reads: the list of types, or the bytes of one.
    // This process serves the data while the reader waits for it.
    static QByteArray paste(const QString &type)
    {
        const QStringList arguments =
            wayland() ? type.isEmpty() ? QStringList{"--list-types"}
                                       : QStringList{"--no-newline", "-t", type}
                      : QStringList{"-o", "-selection", "clipboard", "-t",
                                    type.isEmpty() ? QStringLiteral("TARGETS") : type};
        const ChildRun reader = runChild(wayland() ? "wl-paste" : "xclip", arguments, {}, 20000);
        return reader.ok() ? reader.out : QByteArray();
    }

    // A page with every pixel different from its neighbours.
    static QImage page(QImage::Format format)
    {
        QImage image(257, 130, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x, (x * 7 + y * 3) & 255, y * 2));
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
        return image.convertToFormat(format);
    }

private slots:
    // The runs under a compositor are Wayland's: a run that fell back to X11
    // would check X11 a second time.
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(),
                 qEnvironmentVariable("MIREL_TESTS_PLATFORM", QGuiApplication::platformName()));
    }

    void paste_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("PNG colour") << "image/png" << QImage::Format_RGB32;
        QTest::newRow("BMP colour") << "image/bmp" << QImage::Format_RGB32;
        QTest::newRow("PNG grey") << "image/png" << QImage::Format_Grayscale8;
        QTest::newRow("BMP grey") << "image/bmp" << QImage::Format_Grayscale8;
        QTest::newRow("PNG line art") << "image/png" << QImage::Format_Mono;
        QTest::newRow("BMP line art") << "image/bmp" << QImage::Format_Mono;
    }

    void paste()
    {
        QFETCH(QString, type);
        QFETCH(QImage::Format, format);
        const QImage scanned = page(format);
        // A Wayland client learns of its seat only after its first round trips,
        // as a program has by the time its window is shown.
        QWindow window;
        window.resize(50, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PutPageOnClipboard(scanned);
        // The compositor hands the new selection to other clients a moment later.
        QString offered;
        const auto offers = [&] {
            offered = QString::fromLatin1(paste({}));
            return offered.contains("image/png") && offered.contains("image/bmp");
        };
        QVERIFY2(QTest::qWaitFor(offers, 5000), qPrintable(offered));
        const QImage pasted = QImage::fromData(paste(type));
        QVERIFY(!pasted.isNull());
        QCOMPARE(pasted.convertToFormat(QImage::Format_RGB32),
                 scanned.convertToFormat(QImage::Format_RGB32));
        // Inside the program the page is still the one put there.
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 scanned.convertToFormat(QImage::Format_RGB32));
        // The next page takes its place, and the page before goes; so does
        // the last, once something else takes its place.
        const QPointer<const QMimeData> before = QGuiApplication::clipboard()->mimeData();
        PutPageOnClipboard(page(QImage::Format_Mono));
        QVERIFY(before.isNull());
        const QPointer<const QMimeData> last = QGuiApplication::clipboard()->mimeData();
        QGuiApplication::clipboard()->setText({});
        QVERIFY(last.isNull());
    }
};

QTEST_MAIN(tst_pageclipboard)
#include "tst_pageclipboard.moc"
