// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

class QFileDevice;
class QImage;
class QIODevice;
class QString;

// Writes img as a Windows BMP that keeps the page's depth: line art as 1 bit,
// grey as 8 bits with a grey palette, colour as 24 bits; the resolution goes
// into the header. Rows are converted one at a time, so a large page is never
// copied whole.
bool WriteBitmap(const QImage &img, QIODevice &device);

// Writes img to fileName, exactly as named. An existing file is replaced only
// by a complete new one: a failed write leaves it as it was.
Outcome SaveBitmapFile(const QImage &img, const QString &fileName);

// Why a file could not be written, as a sentence's end: the system's own words
// (Qt calls a full disk "Unknown error") with the full stop of the user's
// language.
QString WriteFailureReason(const QFileDevice &file, int savedErrno = 0);

// "The copy could not be saved to "fileName": reason", for the bitmap and the
// PDF alike.
Outcome SaveFailure(const QString &fileName, const QString &reason);
