// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/SourceSelection.h"

#include "common/version.h"
#include "copyjob/scan/ScannerLayer.h"

#include <QCoreApplication>
#include <QMessageBox>

void SelectSourceClick(QWidget *mainWindow, ScannerLayer &scanner)
{
    if (!scanner.TWAIN_IsAvailable()) {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(mirel::kApplicationTitle),
                        //: Said when Select Source is pressed and no scanning library can be
                        //: used. TWAIN names scanning interfaces in general here.
                        QCoreApplication::translate("SourceSelection", "TWAIN was not found"),
                        QMessageBox::Ok, mainWindow);
        box.exec();
        return;
    }
    // Whether a source was picked or not, the command ends here quietly.
    scanner.TWAIN_SelectImageSource(mainWindow);
}
