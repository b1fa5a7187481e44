// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QImage;

// Size of one character cell of the lit displays.
inline constexpr int kGlyphWidth = 24;
inline constexpr int kGlyphHeight = 30;

// Resource id of the glyph that shows ch; the blank cell for anything else.
int GlyphId(QChar ch);

// Paints text as a row of glyph cells into target, the first cell's top-left
// corner at (x, y), followed by one blank cell that wipes the last character of
// a one-character-longer earlier text.
void DrawDisplay(QImage &target, const QString &text, int x, int y);
