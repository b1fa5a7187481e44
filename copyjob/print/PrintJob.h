// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"

#include <QtGlobal>

class ApplicationPrinter;
class QImage;
class QIODevice;
class QPageLayout;
class QSizeF;

// Prints the scanned page as one document of one page on the application's
// current printer: the picture at intScale percent from the top-left corner of
// the printable area, with the printer asked for `copies` copies. The caller
// hands over the page it scanned rather than the clipboard's, which another
// program may have replaced meanwhile. The page is drawn at the picture's own resolution, so at
// 100 % the copy has the original's size. A printer set to print into a file
// gets the PDF there instead. Every refusal comes back as a failure in plain
// words; a paused printer takes the job, and the success says it waits.
Outcome PrintCopies(const QImage &picture, int copies, int intScale, ApplicationPrinter &printer);

// The dots per inch a picture was scanned at; 96 when it does not say.
int PictureResolution(const QImage &picture);

// The size of the layout's paper in points, as exact as it was defined.
QSizeF PagePoints(const QPageLayout &layout);

// Writes the one-page PDF that PrintCopies sends: `picture` stretched to
// width x height device pixels at (0, 0) of the layout's printable area, at
// `dpi` device pixels per inch, without lossy re-encoding.
bool WriteCopyPdf(QIODevice &out, const QPageLayout &layout, const QImage &picture, int dpi,
                  double width, double height);
