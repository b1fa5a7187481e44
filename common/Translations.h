// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Where Mirel's catalogues (mirel_LANG.qm) are looked for: where the package
// installs them (share/mirel/translations), then beside the program, as in
// the build tree.
QStringList TranslationFolders();

// Installs, before any window is made, Mirel's catalogue for the first of the
// user's languages (QLocale::uiLanguages(): "de-DE", "de") that Mirel speaks,
// and Qt's own catalogue (its dialogs and buttons) for the same language. A
// language Mirel has no catalogue for is passed over; English, or the C
// locale, ends the search with Mirel's own words. Where Mirel speaks none of
// the languages, Qt's dialogs still speak the first. The drivers' own words
// (gettext) follow the language chosen. An earlier call's catalogues are
// replaced. Returns the catalogue's language ("de", "pt_BR"); empty for none.
QString InstallTranslations(const QStringList &languages,
                            const QStringList &folders = TranslationFolders());
