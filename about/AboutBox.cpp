// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/AboutBox.h"

#include "about/frmAbout.h"

#include <QPointer>

namespace {

// The dialog deletes itself when closed, which clears this pointer.
QPointer<frmAbout> &openDialog()
{
    static QPointer<frmAbout> dialog;
    return dialog;
}

} // namespace

void OpenAbout(ScannerLayer &scanner)
{
    QPointer<frmAbout> &dialog = openDialog();
    if (!dialog) {
        dialog = new frmAbout(scanner);
        dialog->show();
    } else {
        dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
        dialog->show();
        dialog->raise();
    }
    dialog->activateWindow();
}
