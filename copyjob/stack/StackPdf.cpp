// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/stack/StackPdf.h"

#include "copyjob/pdf/PdfWriting.h"
#include "copyjob/stack/PageStack.h"

#include <QCoreApplication>
#include <QFile>

#include <vector>

namespace {

Outcome unreadable(int number, const QString &reason)
{
    return Outcome::failure(
        QCoreApplication::translate("PageStack", "Scanned page %1 could not be read back: %2.")
            .arg(number)
            .arg(reason));
}

// A stored stream copied into the PDF as it lies on disk.
Outcome copyStream(PdfOut &pdf, const StackPage &page, int number)
{
    QFile file(page.file);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(number, file.errorString());
    std::vector<char> buffer(1024 * 1024);
    qint64 left = page.length;
    while (left > 0 && pdf.ok()) {
        const qint64 got = file.read(buffer.data(), qMin<qint64>(left, qint64(buffer.size())));
        if (got <= 0)
            return unreadable(number, got < 0 ? file.errorString()
                                              : QCoreApplication::translate(
                                                    "PageStack", "its file is cut short"));
        pdf.write(buffer.data(), got);
        left -= got;
    }
    return pdf.ok() ? Outcome::success() : Outcome::failure({});
}

// Page `index` with its contents, its picture and the picture's length, as
// objects `object` to `object` + 3.
Outcome writePage(PdfOut &pdf, const PageStack &stack, int index, int object, int scale,
                  const QPageLayout *paper)
{
    const StackPage &page = stack.description(index);
    const PdfPlacement place =
        PlacePicture(page.width, page.height, ResolutionOf(page.dotsPerMeterX), scale, paper);
    pdf.beginObject(object);
    pdf.write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + pdfNumber(place.page.width()) + ' ' +
              pdfNumber(place.page.height()) + "] /Resources << /XObject << /Im0 " +
              QByteArray::number(object + 2) + " 0 R >> >> /Contents " +
              QByteArray::number(object + 1) + " 0 R >>\nendobj\n");
    const QRectF &at = place.picture;
    const QByteArray content = "q\n" + pdfNumber(at.width()) + " 0 0 " + pdfNumber(at.height()) +
                               ' ' + pdfNumber(at.x()) + ' ' + pdfNumber(at.y()) +
                               " cm\n/Im0 Do\nQ\n";
    pdf.beginObject(object + 1);
    pdf.write("<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content +
              "endstream\nendobj\n");
    pdf.beginObject(object + 2);
    pdf.write("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(page.width) +
              " /Height " + QByteArray::number(page.height) + ' ' +
              pdfImageFormat(page.samples, page.colorTable) + " /Filter /FlateDecode /Length " +
              QByteArray::number(object + 3) + " 0 R >>\nstream\n");
    qint64 length = page.length;
    if (page.file.isEmpty()) {
        if (!writeImageStream(pdf, stack.heldPage(), page.samples, length))
            return Outcome::failure({});
    } else if (Outcome copied = copyStream(pdf, page, index + 1); !copied.ok) {
        return copied;
    }
    pdf.write("\nendstream\nendobj\n");
    pdf.beginObject(object + 3);
    pdf.write(QByteArray::number(length) + "\nendobj\n");
    return Outcome::success();
}

} // namespace

Outcome WriteStackPdf(QIODevice &out, const PageStack &stack, int scale, const QPageLayout *paper)
{
    const int count = stack.count();
    if (count == 0 || scale <= 0)
        return Outcome::failure({}); // the callers say it before they get here
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
        if (Outcome ready = stack.ready(i); !ready.ok)
            return ready;
        if (Outcome written = writePage(pdf, stack, i, first(i), scale, paper); !written.ok)
            return written;
    }
    pdf.beginObject(info);
    //: The title a saved PDF carries, shown by PDF viewers.
    pdf.write("<< /Title " + pdfText(QCoreApplication::translate("PageStack", "Mirel copy")) +
              " /Creator (Mirel) /Producer (Mirel) >>\nendobj\n");
    pdf.finish(1, info);
    return pdf.ok() ? Outcome::success() : Outcome::failure({});
}
