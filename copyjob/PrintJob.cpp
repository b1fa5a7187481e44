#include "copyjob/PrintJob.h"

#include "copyjob/ApplicationPrinter.h"
#include "copyjob/CupsDestination.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <optional>

namespace {

const QString kJobTitle = QStringLiteral("Mirel copy");

} // namespace

int PictureResolution(const QImage &picture)
{
    const int dotsPerMeter = picture.dotsPerMeterX();
    if (dotsPerMeter <= 0)
        return 96;
    return qMax(1, qRound(dotsPerMeter * 0.0254));
}

bool WriteCopyPdf(QIODevice &out, const QPageLayout &layout, const QImage &picture, int dpi,
                  double width, double height)
{
    QPdfWriter pdf(&out);
    pdf.setCreator(QStringLiteral("Mirel"));
    pdf.setTitle(kJobTitle);
    pdf.setPageLayout(layout);
    // One picture pixel is one device pixel: at 100 % the page keeps its size.
    pdf.setResolution(dpi);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    // Qt's PDF output would otherwise store a colour page as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(0.0, 0.0, width, height), picture);
    return painter.end();
}

Outcome PrintCopies(qint16 &copies, qint16 intScale, ApplicationPrinter &printer)
{
    QPrinter &device = printer.printer();
    const QString fileName = device.outputFileName();
    const QString printerName = device.printerName();
    if (fileName.isEmpty() && printerName.isEmpty())
        return Outcome::failure(
            QStringLiteral("No printer is installed, so nothing was printed. Add a printer in "
                           "the system's printer settings, or choose \"Print to File\"."));

    // The picture's size in pixels stands for the bitmap record; 0 x 0 when
    // the clipboard holds none, and then there is nothing to print.
    const QImage picture = QGuiApplication::clipboard()->image();
    const int width = picture.width();
    const int height = picture.height();
    if (picture.isNull() || width == 0 || height == 0)
        return Outcome::failure(
            QStringLiteral("The clipboard holds no picture, so nothing was printed."));

    const int copyCount = copies;
    device.setCopyCount(copyCount);
    // Ask the queue before drawing: a refusal then costs no rendering.
    std::optional<CupsDestination> destination;
    if (fileName.isEmpty()) {
        destination.emplace(printerName);
        if (Outcome opened = destination->open(); !opened.ok)
            return opened;
        if (Outcome accepted = destination->checkCopies(copyCount); !accepted.ok)
            return accepted;
    }

    const double w = (intScale / 100.0) * width;
    const double h = (intScale / 100.0) * height;
    const int dpi = PictureResolution(picture);
    const QPageLayout layout = device.pageLayout();

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
    return destination->submitPdf(pdf, kJobTitle, copyCount);
}
