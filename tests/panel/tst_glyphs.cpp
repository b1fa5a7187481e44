// The glyph bitmaps, checked dot by dot against the display's dot table as a
// copier's LED matrix shows it.
#include "common/Resources.h"
#include "panel/GlyphDisplay.h"

#include <QImage>
#include <QTest>

namespace {

struct Glyph
{
    int id;
    QChar ch;
    const char *rows[7];
};

// Lit patterns, top row first; the sixth column of the matrix is never lit.
const Glyph kTable[] = {
    {101, u'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {102, u'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "#####"}},
    {103, u'2', {".###.", "#...#", "....#", "..##.", ".#...", "#....", "#####"}},
    {104, u'3', {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."}},
    {105, u'4', {"#..#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."}},
    {106, u'5', {"#####", "#....", "#....", "####.", "....#", "#...#", ".###."}},
    {107, u'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {108, u'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {109, u'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {110, u'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {141, u'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {142, u'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {143, u'%', {"##..#", "##.#.", "...#.", "..#..", ".#...", ".#.##", "#..##"}},
    {145, u' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

// What the pixel at (x, y) of a glyph must be: dots are 2 x 2 at x = 1 + 4c,
// y = 2 + 4r; lit green, unlit dark green, black between them.
QRgb expectedPixel(const Glyph &g, int x, int y)
{
    const int cx = x - 1, cy = y - 2;
    if (cx < 0 || cy < 0 || cx % 4 > 1 || cy % 4 > 1)
        return qRgb(0, 0, 0);
    const int col = cx / 4, row = cy / 4;
    if (col > 5 || row > 6)
        return qRgb(0, 0, 0);
    const bool lit = col < 5 && g.rows[row][col] == '#';
    return lit ? qRgb(0, 255, 0) : qRgb(0, 80, 0);
}

} // namespace

class tst_glyphs : public QObject
{
    Q_OBJECT

private slots:
    void bitmap_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kTable)); ++i)
            QTest::addRow("id %d", kTable[i].id) << i;
    }

    void bitmap()
    {
        QFETCH(int, index);
        const Glyph &g = kTable[index];
        const QImage img = LoadResPicture(g.id);
        QVERIFY2(!img.isNull(), "glyph resource missing");
        QCOMPARE(img.size(), QSize(24, 30));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 24; ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != (expectedPixel(g, x, y) & 0xFFFFFF))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(img.pixel(x, y) & 0xFFFFFF, 6, 16, QChar(u'0'))));
        QCOMPARE(GlyphId(g.ch), g.id);
    }

    void unknownIdsLoadNothing()
    {
        QVERIFY(LoadResPicture(100).isNull());
        QVERIFY(LoadResPicture(144).isNull());
    }
};

QTEST_GUILESS_MAIN(tst_glyphs)
#include "tst_glyphs.moc"
