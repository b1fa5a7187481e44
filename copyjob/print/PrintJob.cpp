// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/PrintJob.h"

#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/CupsDestination.h"
#include "copyjob/stack/PageStack.h"
#include "copyjob/stack/StackPdf.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <optional>

namespace {

const QString kJobTitle = QStringLiteral("Mirel copy");

QString noPrinter()
{
    return QStringLiteral("No printer is installed, so nothing was printed. Add a printer in "
                          "the system's printer settings, or choose \"Print to File\".");
}

// The paper of the chosen printer, upright: a copier's original lies on the
// glass the way the sheet comes out. The copy starts at the corner of what the
// printer can print, its own margins, not Qt's 10 pt default.
// The queue found and taking a job of this many copies.
Outcome openQueue(std::optional<CupsDestination> &destination, const QString &name, int copies)
{
    destination.emplace(name);
    if (Outcome opened = destination->open(); !opened.ok)
        return opened;
    return destination->checkCopies(copies);
}

QPageLayout copyLayout(QPrinter &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMargins(layout.minimumMargins());
    return layout;
}

} // namespace

Outcome PrintCopies(const QImage &picture, int copies, int intScale, ApplicationPrinter &printer)
{
    QPrinter &device = printer.printer();
    const QString fileName = device.outputFileName();
    const QString printerName = device.printerName();
    if (fileName.isEmpty() && printerName.isEmpty())
        return Outcome::failure(noPrinter());

    // The picture's size in pixels stands for the bitmap record; 0 x 0 when
    // there is none, and then there is nothing to print.
    const int width = picture.width();
    const int height = picture.height();
    if (picture.isNull() || width == 0 || height == 0)
        return Outcome::failure(
            QStringLiteral("There is no scanned page, so nothing was printed."));

    const int copyCount = copies;
    device.setCopyCount(copyCount);
    // Ask the queue before drawing: a refusal then costs no rendering.
    std::optional<CupsDestination> destination;
    if (fileName.isEmpty()) {
        if (Outcome opened = openQueue(destination, printerName, copyCount); !opened.ok)
            return opened;
    }

    const double w = (intScale / 100.0) * width;
    const double h = (intScale / 100.0) * height;
    const int dpi = PictureResolution(picture);
    const QPageLayout layout = copyLayout(device);

    if (!fileName.isEmpty()) {
        // An existing file is replaced only by a complete new one.
        QSaveFile out(fileName);
        if (!out.open(QIODevice::WriteOnly) || !WriteCopyPdf(out, layout, picture, dpi, w, h) ||
            !out.commit())
            return Outcome::failure(QStringLiteral("The copy could not be written to \"%1\": %2.")
                                        .arg(fileName, out.errorString()));
        return Outcome::success();
    }

    // The whole document is made before the job starts, so the queue never
    // sees half a page.
    QTemporaryFile pdf;
    if (!pdf.open() || !WriteCopyPdf(pdf, layout, picture, dpi, w, h) ||
        pdf.error() != QFileDevice::NoError || !pdf.flush() || !pdf.seek(0))
        return Outcome::failure(
            QStringLiteral("The page could not be prepared for printing (%1), so nothing was "
                           "printed.")
                .arg(pdf.errorString()));
    return destination->submitPdf(pdf, kJobTitle, copyCount,
                                  destination->media(PagePoints(layout)));
}

Outcome PrintStackCopies(const PageStack &stack, int copies, int intScale,
                         ApplicationPrinter &printer)
{
    if (stack.count() == 1) {
        QString error;
        const QImage page = stack.page(0, &error);
        return page.isNull() && !error.isEmpty() ? Outcome::failure(error)
                                                 : PrintCopies(page, copies, intScale, printer);
    }
    QPrinter &device = printer.printer();
    const QString fileName = device.outputFileName();
    const QString printerName = device.printerName();
    if (fileName.isEmpty() && printerName.isEmpty())
        return Outcome::failure(noPrinter());
    if (stack.count() == 0)
        return Outcome::failure(
            QStringLiteral("There is no scanned page, so nothing was printed."));

    device.setCopyCount(copies);
    std::optional<CupsDestination> destination;
    CupsDestination::Options options;
    if (fileName.isEmpty()) {
        if (Outcome opened = openQueue(destination, printerName, copies); !opened.ok)
            return opened;
        // Sets of the whole document, one after the other, as a copier
        // sorts them; the queue makes them from the one document sent.
        options.emplaceBack("multiple-document-handling", "separate-documents-collated-copies");
        // Both sides of the sheet only for the two sides of each original;
        // a queue that cannot is asked for nothing it does not know.
        const bool twoSided =
            stack.duplex() && destination->supports("sides", "two-sided-long-edge");
        if (twoSided)
            options.emplaceBack("sides", "two-sided-long-edge");
        else if (destination->supports("sides", "one-sided"))
            options.emplaceBack("sides", "one-sided");
    }
    const QPageLayout layout = copyLayout(device);
    QString error;

    if (!fileName.isEmpty()) {
        QSaveFile out(fileName);
        if (!out.open(QIODevice::WriteOnly) ||
            !WriteStackPdf(out, stack, intScale, &layout, &error) || !out.commit())
            return Outcome::failure(
                error.isEmpty() ? QStringLiteral("The copy could not be written to \"%1\": %2.")
                                      .arg(fileName, out.errorString())
                                : error + QStringLiteral(" Nothing was written."));
        return Outcome::success();
    }

    // The document goes to the scheduler as it is written, the pages' stored
    // streams copied once: no second copy of the stack on disk, and no time
    // spent writing and reading one. A page that cannot be read back cancels
    // the job before anything is printed.
    const auto write = [&](QIODevice &out, QString *why) {
        if (WriteStackPdf(out, stack, intScale, &layout, &error))
            return true;
        if (!error.isEmpty())
            *why = error + QStringLiteral(" Nothing was printed.");
        return false;
    };
    return destination->submitDocument(write, kJobTitle, copies,
                                       destination->media(PagePoints(layout)), options);
}
