// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/PageSamples.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QRgb>
#include <QSizeF>

#include <functional>

class QImage;
class QIODevice;
class QPageLayout;
class QString;

// Writes a PDF to a device, keeping the byte offsets the cross reference
// table needs. The first failed write makes every later one a no-op.
class PdfOut
{
public:
    explicit PdfOut(QIODevice &device) : m_device(device) {}

    bool ok() const { return m_ok; }
    void write(const char *data, qint64 size);
    void write(const QByteArray &text) { write(text.constData(), text.size()); }
    void beginObject(int number);
    void finish(int root, int info);

private:
    QIODevice &m_device;
    QList<qint64> m_offsets;
    qint64 m_written = 0;
    bool m_ok = true;
};

// A number as PDF writes it: plain decimal, no exponent.
QByteArray pdfNumber(double value);
// Text for a PDF string literal.
QByteArray pdfText(const QString &text);

// The dictionary entries of an image of these samples, from /ColorSpace to
// /Decode: the colour space, the bits, and for line art what a bit means, from
// the picture's own two colours.
QByteArray pdfImageFormat(PageSamples samples, const QList<QRgb> &colorTable);

// Deflates the picture's samples row by row, as a PDF image stream wants
// them, handing each piece of output to `sink`. A fast level: the page goes to
// a local queue or spool, where time counts more than a few bytes. False when
// zlib or the sink fails; `length` is what was produced.
bool DeflatePageSamples(const QImage &picture, PageSamples samples,
                        const std::function<bool(const char *, qint64)> &sink, qint64 &length);
// The same into the PDF being written.
bool writeImageStream(PdfOut &pdf, const QImage &picture, PageSamples samples, qint64 &length);

// The dots per inch a picture was scanned at; 96 when it does not say.
int PictureResolution(const QImage &picture);
// The same from the picture's dots per metre.
int ResolutionOf(int dotsPerMeter);

// The size of the layout's paper in points, as exact as it was defined.
QSizeF PagePoints(const QPageLayout &layout);

// Where a picture of width x height pixels scanned at `dpi` goes on its PDF
// page at scale percent: the page's size and the picture's rectangle, in
// points from the page's bottom-left corner as PDF counts.
struct PdfPlacement
{
    QSizeF page;
    QRectF picture;
};
// One picture pixel is one device pixel of 1/dpi inch, so at 100 % the copy
// has the original's size. On a printer's paper (`paper`) the picture starts
// at the top-left corner of the printable area, the printer's own margins;
// without paper the page is the picture's own size.
PdfPlacement PlacePicture(int width, int height, int dpi, int scale, const QPageLayout *paper);
