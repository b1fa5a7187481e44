// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

// Resource ids of the string table.
namespace StringId {
inline constexpr int Copies = 101;
inline constexpr int Scale = 102;
inline constexpr int Darkness = 103;
inline constexpr int SelectSource = 104;
inline constexpr int Copy = 105;
inline constexpr int PrintToDefault = 106;
inline constexpr int Save = 107;
inline constexpr int Exit = 108;
inline constexpr int AboutDescription = 109;
} // namespace StringId

// Text of the string table entry with this id in the user's language (its
// English where no translation is loaded); empty for an unknown id.
QString LoadResString(int id);

// Bitmap resource with this id (the display glyphs); a null image for an unknown id.
QImage LoadResPicture(int id);

// The application icon, 32 x 32 and 16 x 16.
QIcon LoadAppIcon();

// "MS Sans Serif" at this size, regular, as the windows' layout names it; the
// desktop's sans-serif stands in where it has no font of that family.
QFont DesignFont(int pointSize);

// Where the design's family has no glyphs for the script of the user's
// language ("ja", "zh_CN"), DesignFont gives the desktop's sans-serif for
// that language instead: drawn through Qt's fallback, each of the panel's
// three sizes would set up two fonts after a search for the second. Empty, or
// a language the family writes, gives the design's family again.
void SetDesignFontLanguage(const QString &language);
