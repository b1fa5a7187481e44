// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/CopyCommand.h"

#include "common/MessageBox.h"
#include "copyjob/print/Printing.h"
#include "copyjob/save/BitmapFile.h"
#include "copyjob/save/StackFiles.h"
#include "copyjob/scan/ScannerLayer.h"
#include "copyjob/stack/PageStack.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

namespace {

// The spool, and why it refused a page: the scan dialog closes without a
// word then, and the command says it.
class Spool : public PageSink
{
public:
    explicit Spool(PageStack &stack) : m_stack(stack) {}
    bool takePage(const QImage &page, QString *error) override
    {
        const bool kept = m_stack.takePage(page, error);
        if (!kept)
            refusal = *error;
        return kept;
    }
    QString refusal;

private:
    PageStack &m_stack;
};

} // namespace

CopyCommand::CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Printing &printing)
    : m_mainWindow(mainWindow), m_scanner(scanner), m_printing(printing)
{}

void CopyCommand::run(const CopyRequest &request)
{
    if (!m_scanner.TWAIN_IsAvailable()) {
        MsgBox(&m_mainWindow, QStringLiteral("Twain not available on this computer"));
        return;
    }
    // Held from here to the end of the command, its files removed with it
    // whatever the end; the clipboard keeps its own copy of the last page.
    PageStack stack;
    Spool spool(stack);
    const StackResult scanned = m_scanner.AcquireStack(&m_mainWindow, 0, spool);
    if (scanned.pages == 0 || stack.count() == 0) {
        if (!spool.refusal.isEmpty())
            MsgBox(&m_mainWindow, spool.refusal);
        m_mainWindow.activateWindow();
        m_mainWindow.setFocus();
        return;
    }
    stack.setDuplex(scanned.duplex);
    // One page is held as it came, and goes the way a page from the glass does.
    const QImage page = stack.count() == 1 ? stack.heldPage() : QImage();

    if (request.route == CopyRoute::AskForPrinter) {
        dlg.CancelError = true;
        dlg.Copies = request.copies;
        dlg.DialogTitle = QStringLiteral("Copy to which printer");
        // The printer picked here becomes the application's printer. Nothing
        // else is read back: the copies count comes from the panel.
        if (dlg.ShowPrinter(m_printing, &m_mainWindow) == CommonDialog::Result::Cancelled)
            return;
    }

    if (stack.count() > 1) {
        if (request.route == CopyRoute::Save) {
            // Nothing is saved of a stack whose last page could not be kept;
            // a print job is sent while that page is still being kept, and
            // cancelled if it could not be.
            QString error;
            if (!stack.ready(stack.count() - 1, &error)) {
                MsgBox(&m_mainWindow, error);
                return;
            }
            saveStack(stack);
            return;
        }
        const Outcome printed = m_printing.PrintStack(stack, request.copies, request.scale);
        if (!printed.message.isEmpty())
            MsgBox(&m_mainWindow, printed.message);
        return;
    }
    if (request.route == CopyRoute::Save)
        saveRoute(page);
    else
        printRoute(page, request);
}

// The "Save to" dialog on the file types given; false when cancelled.
bool CopyCommand::askFileName(const QString &filter)
{
    dlg.DialogTitle = QStringLiteral("Save to");
    dlg.CancelError = true;
    dlg.Filter = filter;
    dlg.FilterIndex = 1;
    return dlg.ShowSave(&m_mainWindow) == CommonDialog::Result::Accepted;
}

// The pages as one PDF, or as bitmaps numbered beside the name typed; a name
// typed with ".pdf" is a PDF whichever type the dialog showed.
void CopyCommand::saveStack(const PageStack &stack)
{
    if (!askFileName(QStringLiteral("Bitmap (*.bmp)|*.bmp|PDF (*.pdf)|*.pdf")))
        return;
    const bool pdf =
        dlg.FilterIndex == 2 || dlg.FileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    const Outcome saved =
        SaveStack(stack, dlg.FileName, pdf ? StackFormat::Pdf : StackFormat::Bitmaps,
                  [this](const QString &question) { return MsgAsk(&m_mainWindow, question); });
    if (!saved.ok)
        MsgBox(&m_mainWindow, saved.message);
}

void CopyCommand::saveRoute(const QImage &page)
{
    if (!askFileName(QStringLiteral("Bitmap (*.bmp)|*.bmp")))
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
