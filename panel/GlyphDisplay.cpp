// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/GlyphDisplay.h"

#include "common/Resources.h"

#include <QImage>
#include <QPainter>

int GlyphId(QChar ch)
{
    if (ch >= u'0' && ch <= u'9')
        return 101 + (ch.unicode() - u'0');
    switch (ch.unicode()) {
    case u'-':
        return 141;
    case u'+':
        return 142;
    case u'%':
        return 143;
    default:
        return 145;
    }
}

void DrawDisplay(QImage &target, const QString &text, int x, int y)
{
    const QString painted = text + u' ';
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (qsizetype i = 0; i < painted.size(); ++i) {
        // Each cell loads its glyph afresh; a glyph that fails to load leaves
        // the cell as it was.
        const QImage glyph = LoadResPicture(GlyphId(painted.at(i)));
        if (glyph.isNull())
            continue;
        painter.drawImage(QPoint(x + kGlyphWidth * int(i), y), glyph,
                          QRect(0, 0, kGlyphWidth, kGlyphHeight));
    }
}
