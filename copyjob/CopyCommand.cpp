// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/CopyCommand.h"

#include "common/MessageBox.h"
#include "copyjob/print/Printing.h"
#include "copyjob/save/StackFiles.h"
#include "copyjob/scan/ScannerLayer.h"
#include "copyjob/stack/PageStack.h"

#include <QWidget>

CopyCommand::CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Printing &printing)
    : m_mainWindow(mainWindow), m_scanner(scanner), m_printing(printing)
{}

void CopyCommand::run(const CopyRequest &request)
{
    if (!m_scanner.TWAIN_IsAvailable()) {
        //: Said when Copy is pressed and no scanning library can be used. TWAIN names
        //: scanning interfaces in general here.
        MsgBox(&m_mainWindow, tr("Twain not available on this computer"));
        return;
    }
    // Words left from a copy the system did not print go with the next one.
    m_printing.dismissNotice();
    // Held from here to the end of the command, its files removed with it
    // whatever the end; the clipboard keeps its own copy of the last page.
    PageStack stack;
    const StackResult scanned = m_scanner.AcquireStack(&m_mainWindow, 0, stack);
    if (!scanned.outcome.ok || stack.count() == 0) {
        // A spool that refused a page closed the scan dialog without a word.
        if (const Outcome refused = stack.refusal(); !refused.ok)
            MsgBox(&m_mainWindow, refused.message);
        m_mainWindow.activateWindow();
        m_mainWindow.setFocus();
        return;
    }
    stack.setDuplex(scanned.duplex);

    if (request.route == CopyRoute::AskForPrinter) {
        dlg.CancelError = true;
        dlg.Copies = request.copies;
        //: The printer dialog's title.
        dlg.DialogTitle = tr("Copy to which printer");
        // The printer picked here becomes the application's printer. Nothing
        // else is read back: the copies count comes from the panel.
        if (dlg.ShowPrinter(m_printing, &m_mainWindow) == CommonDialog::Result::Cancelled)
            return;
    }
    if (request.route == CopyRoute::Save)
        saveRoute(stack);
    else
        printRoute(stack, request);
}

// One page as a bitmap under exactly the name typed; several as one PDF, or
// as bitmaps numbered beside the name typed, a name typed with ".pdf" being a
// PDF whichever type the dialog showed.
void CopyCommand::saveRoute(const PageStack &stack)
{
    // Nothing is saved of a stack whose last page could not be kept; a print
    // job is sent while that page is still being kept, and cancelled if it
    // could not be.
    if (const Outcome kept = stack.ready(stack.count() - 1); !kept.ok) {
        MsgBox(&m_mainWindow, kept.message);
        return;
    }
    const bool several = stack.count() > 1;
    //: The save dialog's title.
    dlg.DialogTitle = tr("Save to");
    dlg.CancelError = true;
    //: A file type in the save dialog; keep "(*.bmp)".
    const QString bitmap = tr("Bitmap (*.bmp)") + QStringLiteral("|*.bmp");
    //: A file type in the save dialog; keep "(*.pdf)".
    dlg.Filter = several ? bitmap + u'|' + tr("PDF (*.pdf)") + QStringLiteral("|*.pdf") : bitmap;
    dlg.FilterIndex = 1;
    if (dlg.ShowSave(&m_mainWindow) != CommonDialog::Result::Accepted)
        return;
    const bool pdf = several && (dlg.FilterIndex == 2 ||
                                 dlg.FileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive));
    const Outcome saved =
        SaveStack(stack, dlg.FileName, pdf ? StackFormat::Pdf : StackFormat::Bitmaps,
                  [this](const QString &question) { return MsgAsk(&m_mainWindow, question); });
    if (!saved.ok)
        MsgBox(&m_mainWindow, saved.message);
}

void CopyCommand::printRoute(const PageStack &stack, const CopyRequest &request)
{
    const PrintResult printed = m_printing.PrintStack(stack, request.copies, request.scale);
    if (!printed.outcome.ok)
        MsgBox(&m_mainWindow, printed.outcome.message);
    else if (printed.job.id > 0)
        m_printing.followJob(printed.job);
}
