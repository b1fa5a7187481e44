// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QImage;

// How a page's pixels are written out, by the print job and the bitmap file
// alike: one bit, one grey byte or three colour bytes a pixel.
enum class PageSamples { Bits, Grey, Rgb };

// Line art stays one bit, grey pages stay eight bits, everything else is colour.
PageSamples PageSamplesOf(const QImage &page);

// Row y of the page as packed samples: bits most significant first with the
// page's own bit values, grey bytes (16-bit grey rounded to 8), or red, green
// and blue bytes. Only this one row
// is ever converted, so a large page is never copied whole.
void PageSampleRow(const QImage &page, PageSamples samples, int y, uchar *row);
