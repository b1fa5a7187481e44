// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/pdf/PdfWriting.h"

#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

#include <vector>

#include <zlib.h>

void PdfOut::write(const char *data, qint64 size)
{
    if (m_ok && m_device.write(data, size) != size)
        m_ok = false;
    m_written += size;
}

void PdfOut::beginObject(int number)
{
    m_offsets.resize(qMax<qsizetype>(m_offsets.size(), number));
    m_offsets[number - 1] = m_written;
    write(QByteArray::number(number) + " 0 obj\n");
}

void PdfOut::finish(int root, int info)
{
    const qint64 xref = m_written;
    QByteArray table =
        "xref\n0 " + QByteArray::number(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const qint64 offset : std::as_const(m_offsets))
        table += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    table += "trailer\n<< /Size " + QByteArray::number(m_offsets.size() + 1) + " /Root " +
             QByteArray::number(root) + " 0 R /Info " + QByteArray::number(info) +
             " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    write(table);
}

QByteArray pdfNumber(double value)
{
    QByteArray text = QByteArray::number(value, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray pdfText(const QString &text)
{
    QByteArray latin = text.toLatin1();
    latin.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + latin + ')';
}

QByteArray pdfImageFormat(PageSamples samples, const QList<QRgb> &colorTable)
{
    const QByteArray colour = samples == PageSamples::Rgb ? "/DeviceRGB" : "/DeviceGray";
    const QByteArray bits = samples == PageSamples::Bits ? "1" : "8";
    QByteArray decode;
    if (samples == PageSamples::Bits) {
        const QRgb zero = colorTable.value(0, qRgb(0, 0, 0));
        const QRgb one = colorTable.value(1, qRgb(255, 255, 255));
        decode = " /Decode [" + pdfNumber(qGray(zero) / 255.0) + ' ' +
                 pdfNumber(qGray(one) / 255.0) + ']';
    }
    return "/ColorSpace " + colour + " /BitsPerComponent " + bits + decode;
}

bool DeflatePageSamples(const QImage &picture, PageSamples samples,
                        const std::function<bool(const char *, qint64)> &sink, qint64 &length)
{
    const int bitsPerPixel = samples == PageSamples::Bits   ? 1
                             : samples == PageSamples::Grey ? 8
                                                            : 24;
    const qint64 rowBytes = (qint64(picture.width()) * bitsPerPixel + 7) / 8;
    std::vector<uchar> row(static_cast<size_t>(rowBytes));
    std::vector<uchar> buffer(256 * 1024);

    z_stream zs{};
    if (deflateInit(&zs, Z_BEST_SPEED) != Z_OK)
        return false;
    length = 0;
    bool ok = true;
    const auto pump = [&](int flush) {
        int status = Z_OK;
        bool taken = true;
        do {
            zs.next_out = buffer.data();
            zs.avail_out = uInt(buffer.size());
            status = deflate(&zs, flush);
            const qint64 produced = qint64(buffer.size()) - zs.avail_out;
            taken = sink(reinterpret_cast<const char *>(buffer.data()), produced);
            length += produced;
        } while (taken && status == Z_OK && zs.avail_out == 0);
        return (status == Z_OK || status == Z_BUF_ERROR || status == Z_STREAM_END) && taken;
    };
    for (int y = 0; ok && y < picture.height(); ++y) {
        PageSampleRow(picture, samples, y, row.data());
        zs.next_in = row.data();
        zs.avail_in = uInt(rowBytes);
        ok = pump(Z_NO_FLUSH);
    }
    ok = ok && pump(Z_FINISH);
    deflateEnd(&zs);
    return ok;
}

bool writeImageStream(PdfOut &pdf, const QImage &picture, PageSamples samples, qint64 &length)
{
    return DeflatePageSamples(
        picture, samples,
        [&pdf](const char *data, qint64 size) {
            pdf.write(data, size);
            return pdf.ok();
        },
        length);
}

int ResolutionOf(int dotsPerMeter)
{
    if (dotsPerMeter <= 0)
        return 96;
    return qMax(1, qRound(dotsPerMeter * 0.0254));
}

int PictureResolution(const QImage &picture)
{
    return ResolutionOf(picture.dotsPerMeterX());
}

QSizeF PagePoints(const QPageLayout &layout)
{
    // From the unit the size was defined in: Qt rounds a size in points to
    // whole points, which leaves A4 a quarter point narrow.
    const QPageSize size = layout.pageSize();
    const QPageSize::Unit unit = size.definitionUnits();
    const double perUnit = unit == QPageSize::Millimeter ? 72 / 25.4
                           : unit == QPageSize::Inch     ? 72
                           : unit == QPageSize::Point    ? 1
                                                         : 0;
    const QSizeF points =
        perUnit > 0 ? size.definitionSize() * perUnit : size.size(QPageSize::Point);
    return layout.orientation() == QPageLayout::Landscape ? points.transposed() : points;
}

PdfPlacement PlacePicture(int width, int height, int dpi, int scale, const QPageLayout *paper)
{
    // The scale first, as the design computes the size in device pixels.
    const double points = 72.0 / dpi;
    const double w = scale / 100.0 * width * points;
    const double h = scale / 100.0 * height * points;
    if (!paper)
        return {QSizeF(w, h), QRectF(0, 0, w, h)};
    const QSizeF page = PagePoints(*paper);
    const QMarginsF margins = paper->margins(QPageLayout::Point);
    return {page, QRectF(margins.left(), page.height() - margins.top() - h, w, h)};
}
