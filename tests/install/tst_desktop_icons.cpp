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

class tst_desktop_icons : public QObject
{
    Q_OBJECT

private slots:
    void icons_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("drawing"); // the window icon's size it enlarges
        QTest::newRow("16x16") << "16x16" << 16;
        QTest::newRow("32x32") << "32x32" << 32;
        QTest::newRow("48x48") << "48x48" << 16;
        QTest::newRow("128x128") << "128x128" << 32;
        QTest::newRow("scalable") << "scalable" << 32;
    }

    void icons()
    {
        QFETCH(QString, folder);
        QFETCH(int, drawing);
        const QString path = qEnvironmentVariable("MIREL_HICOLOR_DIR") + u'/' + folder + "/apps/" +
                             qEnvironmentVariable("MIREL_APP_ID") +
                             (folder == "scalable" ? ".svg" : ".png");
        QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        if (folder == "scalable") { // its squares, drawn as they say
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            icon = QImage(32, 32, QImage::Format_ARGB32);
            icon.fill(Qt::transparent);
            QPainter painter(&icon);
            for (QXmlStreamReader xml(&file); !xml.atEnd();) {
                if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"svg")
                    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), u"0 0 32 32");
                if (xml.isStartElement() && xml.name() == u"rect") {
                    const auto at = [&](const char *name) {
                        return xml.attributes().value(QLatin1String(name));
                    };
                    painter.fillRect(at("x").toInt(), at("y").toInt(), at("width").toInt(),
                                     at("height").toInt(), QColor(at("fill").toString()));
                }
            }
        }
        QVERIFY2(!icon.isNull(), qPrintable(path));
        const QImage window = LoadAppIcon()
                                  .pixmap(QSize(drawing, drawing), 1.0)
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(window.size(), QSize(drawing, drawing));
        // Enlarged by whole numbers only; premultiplied, a transparent pixel
        // matches whatever its colour.
        const auto premultiplied = QImage::Format_ARGB32_Premultiplied;
        QCOMPARE(icon.width() % drawing, 0);
        QCOMPARE(icon.convertToFormat(premultiplied),
                 window.scaled(icon.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                     .convertToFormat(premultiplied));
    }
};

QTEST_MAIN(tst_desktop_icons)
#include "tst_desktop_icons.moc"
