// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/CopyCommand.h"

#include "common/MessageBox.h"
#include "copyjob/print/Printing.h"
#include "copyjob/save/BitmapFile.h"
#include "copyjob/scan/ScannerLayer.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

CopyCommand::CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Printing &printing)
    : m_mainWindow(mainWindow), m_scanner(scanner), m_printing(printing)
{}

void CopyCommand::run(const CopyRequest &request)
{
    if (!m_scanner.TWAIN_IsAvailable()) {
        MsgBox(&m_mainWindow, QStringLiteral("Twain not available on this computer"));
        return;
    }
    // Held from here to the end of the command; the clipboard keeps its own.
    const QImage page = m_scanner.TWAIN_AcquireToClipboard(&m_mainWindow, 0);
    if (page.isNull()) {
        m_mainWindow.activateWindow();
        m_mainWindow.setFocus();
        return;
    }

    if (request.route == CopyRoute::AskForPrinter) {
        dlg.CancelError = true;
        dlg.Copies = request.copies;
        dlg.DialogTitle = QStringLiteral("Copy to which printer");
        // The printer picked here becomes the application's printer. Nothing
        // else is read back: the copies count comes from the panel.
        if (dlg.ShowPrinter(m_printing, &m_mainWindow) == CommonDialog::Result::Cancelled)
            return;
    }

    if (request.route == CopyRoute::Save)
        saveRoute(page);
    else
        printRoute(page, request);
}

void CopyCommand::saveRoute(const QImage &page)
{
    dlg.DialogTitle = QStringLiteral("Save to");
    dlg.CancelError = true;
    dlg.Filter = QStringLiteral("Bitmap (*.bmp)|*.bmp");
    dlg.FilterIndex = 1;
    if (dlg.ShowSave(&m_mainWindow) == CommonDialog::Result::Cancelled)
        return;
    const Outcome saved = SaveBitmapFile(page, dlg.FileName);
    if (!saved.ok)
        MsgBox(&m_mainWindow, saved.message);
}

void CopyCommand::printRoute(const QImage &page, const CopyRequest &request)
{
    const Outcome printed = m_printing.PrintPage(page, request.copies, request.scale);
    if (!printed.message.isEmpty())
        MsgBox(&m_mainWindow, printed.message);
}
