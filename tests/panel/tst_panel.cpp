// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The panel's parts on their own: the glyph bitmaps dot by dot against a
// copier's LED matrix, the counters' hot zones from the display origins, their
// steps and limits, and the two output switches with the route they give.
#include "common/Resources.h"
#include "panel/Counters.h"
#include "panel/GlyphDisplay.h"
#include "panel/LabelButton.h"
#include "panel/Toggles.h"

#include <QImage>
#include <QTest>

using Zone = Counters::Display;

class tst_panel : public QObject
{
    Q_OBJECT

private slots:
    // Lit dots, top row first: dots are 2 x 2 at x = 1 + 4c, y = 2 + 4r; lit
    // green, unlit dark green, black between; the sixth column is never lit.
    void glyphs_data()
    {
        // The lit dots; the tag is the character.
        QTest::addColumn<QString>("row");
        QTest::newRow("0") << ".###. #...# #..## #.#.# ##..# #...# .###.";
        QTest::newRow("1") << "..#.. .##.. ..#.. ..#.. ..#.. ..#.. #####";
        QTest::newRow("2") << ".###. #...# ....# ..##. .#... #.... #####";
        QTest::newRow("3") << ".###. #...# ....# ..##. ....# #...# .###.";
        QTest::newRow("4") << "#..#. #..#. #..#. ##### ...#. ...#. ...#.";
        QTest::newRow("5") << "##### #.... #.... ####. ....# #...# .###.";
        QTest::newRow("6") << ".###. #.... #.... ####. #...# #...# .###.";
        QTest::newRow("7") << "##### ....# ...#. ..#.. .#... .#... .#...";
        QTest::newRow("8") << ".###. #...# #...# .###. #...# #...# .###.";
        QTest::newRow("9") << ".###. #...# #...# .#### ....# ....# .###.";
        QTest::newRow("-") << "..... ..... ..... ##### ..... ..... .....";
        QTest::newRow("+") << "..... ..#.. ..#.. ##### ..#.. ..#.. .....";
        QTest::newRow("%") << "##..# ##.#. ...#. ..#.. .#... .#.## #..##";
        QTest::newRow(" ") << "..... ..... ..... ..... ..... ..... .....";
    }

    void glyphs()
    {
        QFETCH(QString, row);
        const QStringList rows = row.split(u' ');
        QImage expected(kGlyphWidth, kGlyphHeight, QImage::Format_RGB32);
        expected.fill(Qt::black);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 6; ++c) {
                const QRgb dot = c < 5 && rows[r][c] == u'#' ? qRgb(0, 255, 0) : qRgb(0, 80, 0);
                for (int p = 0; p < 4; ++p)
                    expected.setPixel(1 + 4 * c + p % 2, 2 + 4 * r + p / 2, dot);
            }
        const QImage glyph = LoadResPicture(GlyphId(QChar::fromLatin1(QTest::currentDataTag()[0])));
        QCOMPARE(glyph.convertToFormat(QImage::Format_RGB32), expected);
    }

    // From a start value, a press at a fraction of a display's hot zone (the
    // cells of "99" or "200%", both edges included) or a step menu entry, and
    // the value it leaves. The window suite presses each zone's top-left corner
    // and steps the scale down by 1 from its menu.
    void counters_data()
    {
        QTest::addColumn<Zone>("zone");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("how"); // 1 left, 2 right, 3 both; 10 + i: menu entry i
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("value");
        const Zone copies = Zone::Copies, scale = Zone::Scale;
        const QPointF mid(0.5, 0.5);
        QTest::newRow("copies bottom right") << copies << 1 << 1 << QPointF(1, 1) << 2;
        QTest::newRow("left of copies") << copies << 1 << 1 << QPointF(-0.01, 0.5) << 1;
        QTest::newRow("right of copies") << copies << 1 << 1 << QPointF(1.01, 0.5) << 1;
        QTest::newRow("copies not below 1") << copies << 1 << 2 << mid << 1;
        QTest::newRow("copies not above 99") << copies << 99 << 1 << mid << 99;
        QTest::newRow("copies, both buttons") << copies << 5 << 3 << mid << 5;
        QTest::newRow("scale bottom right") << scale << 100 << 2 << QPointF(1, 1) << 99;
        QTest::newRow("right of scale") << scale << 100 << 1 << QPointF(1.01, 0.5) << 100;
        QTest::newRow("above scale") << scale << 100 << 1 << QPointF(0.5, -0.01) << 100;
        QTest::newRow("scale not above 200") << scale << 200 << 1 << mid << 200;
        // Steps down end at 1, steps up at the limit.
        QTest::newRow("copies 3 - 5") << copies << 3 << 12 << mid << 1;
        QTest::newRow("copies 25 - 25") << copies << 25 << 10 << mid << 1;
        QTest::newRow("copies 50 - 10") << copies << 50 << 11 << mid << 40;
        QTest::newRow("copies 89 + 10") << copies << 89 << 16 << mid << 99;
        QTest::newRow("scale 196 + 5") << scale << 196 << 15 << mid << 200;
    }

    void counters()
    {
        QFETCH(Zone, zone);
        QFETCH(int, start);
        QFETCH(int, how);
        QFETCH(QPointF, at);
        QFETCH(int, value);
        Counters counters;
        const bool copies = zone == Zone::Copies;
        const auto step = [&](int index) {
            copies ? counters.stepCopies(index) : counters.stepScale(index);
        };
        while ((copies ? counters.copies() : counters.scale()) != start)
            step(start > (copies ? 1 : 100) ? 4 : 3);
        const QPointF size((copies ? 2 : 4) * kGlyphWidth, kGlyphHeight);
        const QPointF pos = Counters::origin(zone) + QPointF(at.x() * size.x(), at.y() * size.y());
        Zone changed = Zone::None;
        if (how >= 10)
            step(how - 10);
        else
            changed = counters.pressOnPanel(Qt::MouseButtons::fromInt(how), pos);
        QCOMPARE(copies ? counters.copies() : counters.scale(), value);
        QCOMPARE(copies ? counters.scale() : counters.copies(), copies ? 100 : 1);
        if (how < 10) // what gets repainted
            QCOMPARE(changed, value == start ? Zone::None : zone);
    }

    // "tags before > clicks > tags after > route": tags "print|save"; clicks P
    // for Print to default, S for Save; route A(sk), P(rint to default), S(ave).
    void switches_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("save on and off") << "True|False > SS > False|False > A";
        QTest::newRow("turn about, print off") << "False|True > PSPSPP > False|False > A";
        // A stray tag is never switched, and is cleared only when the other goes on.
        QTest::newRow("odd save, print on") << "False|odd > P > True|False > P";
        QTest::newRow("odd save, print off") << "True|odd > P > False|odd > A";
        QTest::newRow("odd print stays") << "true|True > P > true|True > S";
        QTest::newRow("odd print, save on") << "odd|False > S > False|True > S";
        QTest::newRow("spaced and empty") << " True| >  >  True| > A";
    }

    void switches()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(QStringLiteral(" > "));
        const auto colour = [](const QString &tag) { // a stray tag keeps any colour it had
            return tag == "True" ? kToggleOnColor : tag == "False" ? kToggleOffColor : Qt::red;
        };
        LabelButton print, save;
        print.setProperty("Tag", part[0].section(u'|', 0, 0));
        save.setProperty("Tag", part[0].section(u'|', 1));
        print.setProperty("ForeColor", colour(print.tag()));
        save.setProperty("ForeColor", colour(save.tag()));
        // Each change of state is signalled, and only a change ('!').
        QString signalled = QString::number(print.isChecked()) + QString::number(save.isChecked());
        for (auto [label, at] : {std::pair{&print, 0}, std::pair{&save, 1}})
            connect(label, &LabelButton::toggled, [&signalled, at](bool on) {
                signalled[at] = signalled[at] == QChar(u'0' + on) ? u'!' : QChar(u'0' + on);
            });
        for (const QChar click : part[1])
            click == u'P' ? PrintToDefaultClick(print, save) : SaveClick(save, print);
        QCOMPARE(print.tag() + u'|' + save.tag(), part[2]);
        QVERIFY(print.foreColor() == colour(print.tag()) && save.foreColor() == colour(save.tag()));
        QCOMPARE(signalled, QString::number(print.property("checked").toBool()) +
                                QString::number(save.property("checked").toBool()));
        QCOMPARE(int(RouteFromSwitches(print, save)), QStringLiteral("APS").indexOf(part[3]));
    }
};

QTEST_MAIN(tst_panel)
#include "tst_panel.moc"
