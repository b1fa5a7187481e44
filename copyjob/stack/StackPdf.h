// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PageStack;
class QIODevice;
class QPageLayout;
class QString;

// Writes the stack as one PDF, a page for each scanned page in order, each
// picture at its own resolution (its true size) times scale percent. On a
// printer's paper (`paper`) every picture starts at the top-left corner of
// the printable area; without one, each page is the picture's own size. The
// streams on disk are copied as they are, never compressed again. False, with
// the words in `error` when a page could not be read back (a write the device
// refused leaves `error` empty: the caller knows its device).
bool WriteStackPdf(QIODevice &out, const PageStack &stack, int scale, const QPageLayout *paper,
                   QString *error);
