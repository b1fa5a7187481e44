// The icons the desktop shows in its menus are the window's own icon: the
// same two drawings, pixel for pixel, enlarged only by whole numbers, and the
// scalable copy drawn from the same squares.
#include "common/Resources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString themeFile(const QString &folder, const QString &suffix)
{
    return QDir(qEnvironmentVariable("MIREL_HICOLOR_DIR"))
        .filePath(folder + QStringLiteral("/apps/") + qEnvironmentVariable("MIREL_APP_ID") +
                  suffix);
}

QImage windowIcon(int size)
{
    return LoadAppIcon()
        .pixmap(QSize(size, size), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Transparent pixels match whatever their colour; opaque ones by colour.
QString firstDifference(const QImage &actual, const QImage &drawing, int factor)
{
    if (actual.size() != drawing.size() * factor)
        return QStringLiteral("size %1 x %2").arg(actual.width()).arg(actual.height());
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb d = drawing.pixel(x / factor, y / factor);
            const bool same = qAlpha(a) == qAlpha(d) && (qAlpha(a) == 0 || a == d);
            if (!same)
                return QStringLiteral("pixel (%1, %2) is %3, drawing has %4")
                    .arg(x)
                    .arg(y)
                    .arg(a, 8, 16, QLatin1Char('0'))
                    .arg(d, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

} // namespace

class tst_desktop_icons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("MIREL_HICOLOR_DIR"), "run through ctest");
        QCOMPARE(windowIcon(32).size(), QSize(32, 32));
        QCOMPARE(windowIcon(16).size(), QSize(16, 16));
    }

    void bitmaps_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("drawing");
        QTest::addColumn<int>("factor");
        QTest::newRow("16x16") << "16x16" << 16 << 1;
        QTest::newRow("32x32") << "32x32" << 32 << 1;
        QTest::newRow("48x48") << "48x48" << 16 << 3;
        QTest::newRow("128x128") << "128x128" << 32 << 4;
    }

    void bitmaps()
    {
        QFETCH(QString, folder);
        QFETCH(int, drawing);
        QFETCH(int, factor);
        const QString path = themeFile(folder, QStringLiteral(".png"));
        const QImage png = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!png.isNull(), qPrintable(path));
        const QString difference = firstDifference(png, windowIcon(drawing), factor);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void scalable()
    {
        QFile file(themeFile(QStringLiteral("scalable"), QStringLiteral(".svg")));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QImage drawn(32, 32, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        QXmlStreamReader xml(&file);
        int rects = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("svg")) {
                QCOMPARE(a.value(QLatin1String("viewBox")).toString(), QStringLiteral("0 0 32 32"));
            } else if (xml.name() == QLatin1String("rect")) {
                ++rects;
                painter.fillRect(QRect(a.value(QLatin1String("x")).toInt(),
                                       a.value(QLatin1String("y")).toInt(),
                                       a.value(QLatin1String("width")).toInt(),
                                       a.value(QLatin1String("height")).toInt()),
                                 QColor(a.value(QLatin1String("fill")).toString()));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        painter.end();
        QVERIFY(rects > 0);
        const QString difference = firstDifference(drawn, windowIcon(32), 1);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(tst_desktop_icons)
#include "tst_desktop_icons.moc"
