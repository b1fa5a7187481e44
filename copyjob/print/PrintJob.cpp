// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/PrintJob.h"

#include "copyjob/pdf/PdfWriting.h"
#include "copyjob/print/CupsDestination.h"
#include "copyjob/stack/PageStack.h"
#include "copyjob/stack/StackPdf.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QSaveFile>

namespace {

// The paper of the chosen printer, upright: a copier's original lies on the
// glass the way the sheet comes out. The copy starts at the corner of what the
// printer can print, its own margins, not Qt's 10 pt default.
QPageLayout copyLayout(QPrinter &device)
{
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMargins(layout.minimumMargins());
    return layout;
}

// "Print to file": the document in the file named, an existing one replaced
// only by a complete new one.
PrintResult printToFile(const QString &fileName, const PageStack &stack, int intScale,
                        const QPageLayout &layout)
{
    QSaveFile out(fileName);
    const bool opened = out.open(QIODevice::WriteOnly);
    const Outcome written =
        opened ? WriteStackPdf(out, stack, intScale, &layout) : Outcome::failure({});
    if (written.ok && out.commit())
        return {};
    if (opened && out.error() == QFileDevice::NoError)
        return {Outcome::failure(written.message + u' ' +
                                 QCoreApplication::translate("Printing", "Nothing was written.")),
                {}};
    //: %1 is a file's name, %2 the system's reason.
    return {Outcome::failure(QCoreApplication::translate(
                                 "Printing", "The copy could not be written to \"%1\": %2.")
                                 .arg(fileName, out.errorString())),
            {}};
}

// The job's own attributes for several pages: sets of the whole document, one
// after the other, as a copier sorts them, made by the queue from the one
// document sent; both sides of the sheet only for the two sides of each
// original, and a queue that cannot is asked for nothing it does not know.
// One page asks for none of it, exactly as a copy from the glass.
CupsDestination::Options stackOptions(const PageStack &stack, CupsDestination &destination)
{
    CupsDestination::Options options;
    if (stack.count() < 2)
        return options;
    options.emplaceBack("multiple-document-handling", "separate-documents-collated-copies");
    if (stack.duplex() && destination.supports("sides", "two-sided-long-edge"))
        options.emplaceBack("sides", "two-sided-long-edge");
    else if (destination.supports("sides", "one-sided"))
        options.emplaceBack("sides", "one-sided");
    return options;
}

} // namespace

PrintResult PrintCopies(const PageStack &stack, int copies, int intScale, QPrinter &device)
{
    const QString fileName = device.outputFileName();
    const QString printerName = device.printerName();
    if (fileName.isEmpty() && printerName.isEmpty())
        return {Outcome::failure(
                    //: "Print to File" names the choice in the printer dialog, as Qt's own
                    //: translation words it.
                    QCoreApplication::translate(
                        "Printing", "No printer is installed, so nothing was printed. Add a "
                                    "printer in the system's printer settings, or choose \"Print "
                                    "to File\"."),
                    Outcome::Code::NoPrinter),
                {}};
    if (stack.count() == 0)
        return {Outcome::failure(QCoreApplication::translate(
                    "Printing", "There is no scanned page, so nothing was printed.")),
                {}};
    device.setCopyCount(copies);
    const QPageLayout layout = copyLayout(device);
    if (!fileName.isEmpty())
        return printToFile(fileName, stack, intScale, layout);

    // Ask the queue before writing: a refusal then costs no work.
    CupsDestination destination(printerName);
    if (Outcome opened = destination.open(); !opened.ok)
        return {opened, {}};
    if (Outcome taken = destination.checkCopies(copies); !taken.ok)
        return {taken, {}};
    const CupsDestination::Options options = stackOptions(stack, destination);

    // The document goes to the scheduler as it is written: the held page
    // deflated, the spooled pages' streams copied once, no second copy on
    // disk. A page that cannot be read back cancels the job before anything
    // is printed.
    const auto write = [&](QIODevice &out) {
        Outcome written = WriteStackPdf(out, stack, intScale, &layout);
        if (!written.ok && !written.message.isEmpty())
            written.message +=
                u' ' + QCoreApplication::translate("Printing", "Nothing was printed.");
        return written;
    };
    //: The print job's title, as the system's print queue lists it.
    return destination.submitDocument(write, QCoreApplication::translate("Printing", "Mirel copy"),
                                      copies, destination.media(PagePoints(layout)), options);
}
