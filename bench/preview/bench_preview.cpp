// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a preview of the whole bed: from the press of Preview in a scan dialog
// that waits on the user to the first paint of the pane with the new picture,
// and, alternating with it, scanimage taking the same bed at the same
// resolution and mode into a file, SANE's colour test pattern in both. Peak memory is Mirel's and
// its scanner helper's together, once the dialog has shown its previews.

#include "bench/common/BenchStats.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/scan/ui/PreviewPane.h"
#include "harness/SaneTestScanner.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Notes the first paint of the preview pane whose picture is not the one it
// had when Preview was pressed.
class PaintWatch : public QObject
{
public:
    QElapsedTimer clock;
    qint64 pressedAt = -1, paintedAt = -1;
    qint64 oldPicture = 0;
    QSize size;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || pressedAt < 0 || paintedAt >= 0 ||
            watched->objectName() != QLatin1String("previewPane"))
            return false;
        const QImage picture = static_cast<PreviewPane *>(watched)->picture();
        if (!picture.isNull() && picture.cacheKey() != oldPicture) {
            paintedAt = clock.nsecsElapsed();
            size = picture.size();
        }
        return false;
    }
};

QImage paneImage(QDialog *dialog)
{
    const auto *pane = dialog->findChild<PreviewPane *>(QStringLiteral("previewPane"));
    return pane ? pane->picture() : QImage();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    SaneTestScanner scanner;
    SaneScannerLayer layer;
    if (const QString missing = SaneMissing(scanner, layer); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }
    // A picture with something on it, in both: the black default costs the
    // backend nothing to make.
    layer.setOptionPreset(QStringLiteral("test-picture"), QStringLiteral("Color pattern"));
    PaintWatch watch;
    app.installEventFilter(&watch);
    QTemporaryDir out;

    std::vector<double> mirelMs, scanimageMs, ratios;
    QString mode;
    int dpi = 0;
    for (int i = 0; i < runs; ++i) {
        watch.pressedAt = watch.paintedAt = -1;
        ScanDialogDriver driver;
        driver
            .until([&](QDialog *dialog) {
                auto *button = dialog->findChild<QPushButton *>(QStringLiteral("previewButton"));
                if (!scanDialogReady(dialog) || !button || !button->isEnabled())
                    return false;
                mode = dialog->findChild<QComboBox *>(QStringLiteral("modeBox"))->currentText();
                watch.oldPicture = paneImage(dialog).cacheKey();
                watch.clock.start();
                watch.pressedAt = 0;
                button->click();
                return true;
            })
            .until([&](QDialog *) { return watch.paintedAt >= 0; })
            .then([&](QDialog *dialog) {
                // The resolution asked for, from the picture's width over 200 mm.
                dpi = int(std::lround(paneImage(dialog).width() * 25.4 / 200));
            })
            .pressEscape()
            .start();
        layer.TWAIN_AcquireToClipboard(nullptr, 0);
        if (!driver.succeeded() || watch.paintedAt < 0) {
            std::fprintf(stderr, "run %d failed: %s\n", i, qPrintable(driver.failure()));
            return 1;
        }
        mirelMs.push_back(watch.paintedAt / 1e6);

        QProcess scanimage;
        scanimage.setStandardOutputFile(out.filePath(QStringLiteral("bed.pnm")));
        QElapsedTimer clock;
        clock.start();
        const QString bed = QStringLiteral("-d test:0 -l 0 -t 0 -x 200 -y 200 --resolution %1");
        scanimage.start(QStringLiteral("scanimage"), bed.arg(dpi).split(u' ')
                                                         << QStringLiteral("--mode") << mode
                                                         << QStringLiteral("--test-picture")
                                                         << QStringLiteral("Color pattern"));
        if (!scanimage.waitForFinished(60000) || scanimage.exitCode() != 0) {
            std::fprintf(stderr, "scanimage failed: %s\n",
                         scanimage.readAllStandardError().constData());
            return 1;
        }
        scanimageMs.push_back(clock.nsecsElapsed() / 1e6);
        ratios.push_back(mirelMs.back() / scanimageMs.back());
    }
    std::printf("preview of the whole bed, %s at %d dpi (%d x %d), %d interleaved runs\n",
                qPrintable(mode), dpi, watch.size.width(), watch.size.height(), runs);
    std::printf("Preview pressed to picture painted: median %7.1f ms\n", median(mirelMs));
    std::printf("scanimage into a file:              median %7.1f ms\n", median(scanimageMs));
    std::printf("ratio %.2f (median of the runs' ratios %.2f), target <= 1.20\n",
                median(mirelMs) / median(scanimageMs), median(ratios));
    // The existing limit: a 300 dpi colour page of the whole bed, twice, and 80 MiB.
    const double raw300 = std::pow(200 / 25.4 * 300, 2) * 3;
    const long helperKiB = peakResidentKiB(layer.session().helperProcessId());
    std::printf("peak RSS %.1f MiB, Mirel + helper VmHWM with the preview shown (of it helper "
                "%.1f MiB); limit %.1f MiB\n",
                (peakResidentKiB() + helperKiB) / 1024.0, helperKiB / 1024.0,
                raw300 * 2 / 1048576.0 + 80);
    return 0;
}
