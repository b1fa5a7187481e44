// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/stack/StackPdf.h"

#include "copyjob/pdf/PdfWriting.h"
#include "copyjob/stack/PageStack.h"

#include <QFile>
#include <QPageLayout>
#include <QSizeF>

#include <vector>

namespace {

// A stored stream copied into the PDF as it lies on disk.
bool copyStream(PdfOut &pdf, const StackPage &page, int number, QString *error)
{
    QFile file(page.file);
    const auto failed = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Scanned page %1 could not be read back: %2.")
                         .arg(number)
                         .arg(reason);
        return false;
    };
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.errorString());
    std::vector<char> buffer(1024 * 1024);
    qint64 left = page.length;
    while (left > 0 && pdf.ok()) {
        const qint64 got = file.read(buffer.data(), qMin<qint64>(left, qint64(buffer.size())));
        if (got <= 0)
            return failed(got < 0 ? file.errorString() : QStringLiteral("its file is cut short"));
        pdf.write(buffer.data(), got);
        left -= got;
    }
    return pdf.ok();
}

} // namespace

bool WriteStackPdf(QIODevice &out, const PageStack &stack, int scale, const QPageLayout *paper,
                   QString *error)
{
    const int count = stack.count();
    if (count == 0 || scale <= 0)
        return false;
    // Objects: the catalog, the page tree, then four a page (the page, its
    // contents, its picture and the picture's length), the information last.
    const auto first = [](int index) { return 3 + 4 * index; };
    const int info = first(count);

    PdfOut pdf(out);
    pdf.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    pdf.beginObject(1);
    pdf.write("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    QByteArray kids;
    for (int i = 0; i < count; ++i)
        kids += (i ? " " : "") + QByteArray::number(first(i)) + " 0 R";
    pdf.beginObject(2);
    pdf.write("<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(count) +
              " >>\nendobj\n");

    for (int i = 0; i < count && pdf.ok(); ++i) {
        // The last page may still be on its way to disk while the ones
        // before it are written.
        if (!stack.ready(i, error))
            return false;
        const StackPage &page = stack.description(i);
        const int object = first(i);
        // One picture pixel is one device pixel of 1/dpi inch, as on a
        // single copy; PDF counts upwards from the bottom of the page.
        const double points = 72.0 / ResolutionOf(page.dotsPerMeterX) * scale / 100.0;
        const double w = page.width * points;
        const double h = page.height * points;
        QSizeF box(w, h);
        double left = 0, bottom = 0;
        if (paper) {
            box = PagePoints(*paper);
            const QMarginsF margins = paper->margins(QPageLayout::Point);
            left = margins.left();
            bottom = box.height() - margins.top() - h;
        }
        pdf.beginObject(object);
        pdf.write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pdfNumber(box.width()) + ' ' +
                  pdfNumber(box.height()) + "] /Resources << /XObject << /Im0 " +
                  QByteArray::number(object + 2) + " 0 R >> >> /Contents " +
                  QByteArray::number(object + 1) + " 0 R >>\nendobj\n");
        const QByteArray content = "q\n" + pdfNumber(w) + " 0 0 " + pdfNumber(h) + ' ' +
                                   pdfNumber(left) + ' ' + pdfNumber(bottom) + " cm\n/Im0 Do\nQ\n";
        pdf.beginObject(object + 1);
        pdf.write("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
                  "endstream\nendobj\n");
        pdf.beginObject(object + 2);
        pdf.write("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(page.width) +
                  " /Height " + QByteArray::number(page.height) + ' ' +
                  pdfImageFormat(page.samples, page.colorTable) + " /Filter /FlateDecode /Length " +
                  QByteArray::number(object + 3) + " 0 R >>\nstream\n");
        qint64 length = page.length;
        const bool streamed = page.file.isEmpty()
                                  ? writeImageStream(pdf, stack.heldPage(), page.samples, length)
                                  : copyStream(pdf, page, i + 1, error);
        if (!streamed)
            return false;
        pdf.write("\nendstream\nendobj\n");
        pdf.beginObject(object + 3);
        pdf.write(QByteArray::number(length) + "\nendobj\n");
    }
    pdf.beginObject(info);
    pdf.write("<< /Title " + pdfText(QStringLiteral("Mirel copy")) +
              " /Creator (Mirel) /Producer (Mirel) >>\nendobj\n");
    pdf.finish(1, info);
    return pdf.ok();
}
