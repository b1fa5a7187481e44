// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The desktop file's and the software centre's words. Nothing compiles them:
// they are here so that lupdate puts them in the catalogues beside the
// program's own texts, and desktop_l10n.py writes the translated desktop file
// and metadata from the catalogues when Mirel is built. The key after each
// text names the line of the templates it fills; the software centre's first
// paragraph is the About box's description (string 109).
namespace DesktopTexts {

inline constexpr struct
{
    const char *source;
    const char *key;
} kTexts[] = {
    //: The program's name in the desktop's menus. Keep it as it is, unless your language
    //: writes names in a script of its own.
    QT_TRANSLATE_NOOP3("Desktop", "Mirel", "name"),
    //: What the program is, under its name in the desktop's menus.
    QT_TRANSLATE_NOOP3("Desktop", "Photocopier", "generic"),
    //: The desktop menu's tooltip and the software centre's one-line summary.
    QT_TRANSLATE_NOOP3("Desktop", "Copy pages with your scanner and printer", "summary"),
    //: Words the desktop's search finds the program by: lower case, each followed by a
    //: semicolon, no spaces around them. Keep the English ones if your users search in
    //: English too.
    QT_TRANSLATE_NOOP3("Desktop", "copy;copier;photocopy;scan;scanner;print;printer;", "keywords"),
    //: The software centre's second paragraph. "Copy" is the panel's button.
    QT_TRANSLATE_NOOP3("Desktop",
                       "Its window looks like a copier's control panel: set the number of copies "
                       "and the scale, press Copy, and the page goes to the printer, or to a "
                       "bitmap file.",
                       "panel"),
};

} // namespace DesktopTexts
