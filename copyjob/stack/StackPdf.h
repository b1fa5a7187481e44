// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

class PageStack;
class QIODevice;
class QPageLayout;

// Writes the stack as one PDF, a page for each scanned page in order, each
// picture at its own resolution (its true size) times scale percent, placed
// by PlacePicture on the printer's paper or on a page of its own size. The
// page held in memory is deflated as it is written; the streams in the spool
// are copied as they are, never compressed again. A one-page stack is the
// one-page copy. Fails in words when a page could not be read back; a write
// the device refused fails without words, the caller knowing its device.
Outcome WriteStackPdf(QIODevice &out, const PageStack &stack, int scale, const QPageLayout *paper);
