#include "copyjob/CopyCommand.h"

#include "app/MessageBox.h"
#include "copyjob/ApplicationPrinter.h"
#include "copyjob/BitmapFile.h"
#include "copyjob/PrintJob.h"
#include "copyjob/ScannerLayer.h"
#include "panel/Counters.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QVariant>
#include <QWidget>

namespace {

bool isOn(const QObject &label)
{
    return label.property("Tag").toString() == QLatin1String("True");
}

bool isOff(const QObject &label)
{
    return label.property("Tag").toString() == QLatin1String("False");
}

} // namespace

CopyCommand::CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Counters &counters,
                         ApplicationPrinter &printer, QObject &lblPrintToDefault, QObject &lblSave)
    : m_mainWindow(mainWindow), m_scanner(scanner), m_counters(counters), m_printer(printer),
      m_lblPrintToDefault(lblPrintToDefault), m_lblSave(lblSave)
{}

void CopyCommand::run()
{
    if (!m_scanner.TWAIN_IsAvailable()) {
        MsgBox(&m_mainWindow, QStringLiteral("Twain not available on this computer"));
        return;
    }
    if (!m_scanner.TWAIN_AcquireToClipboard(&m_mainWindow, 0)) {
        m_mainWindow.activateWindow();
        m_mainWindow.setFocus();
        return;
    }

    if (isOff(m_lblPrintToDefault) && isOff(m_lblSave)) {
        m_dlg.CancelError = true;
        m_dlg.Copies = m_counters.copies();
        m_dlg.DialogTitle = QStringLiteral("Copy to which printer");
        // The printer picked here becomes the application's printer. Nothing
        // else is read back: the copies count comes from the panel.
        if (m_dlg.ShowPrinter(m_printer.printer(), &m_mainWindow) ==
            CommonDialog::Result::Cancelled)
            return;
    }

    if (isOn(m_lblSave))
        saveRoute();
    else
        printRoute();
}

void CopyCommand::saveRoute()
{
    m_dlg.DialogTitle = QStringLiteral("Save to");
    m_dlg.CancelError = true;
    m_dlg.Filter = QStringLiteral("Bitmap (*.bmp)|*.bmp");
    m_dlg.FilterIndex = 1;
    if (m_dlg.ShowSave(&m_mainWindow) == CommonDialog::Result::Cancelled)
        return;

    // Another program may have taken the clipboard while the dialog was open;
    // saving nothing silently would lose the copy.
    const QImage page = QGuiApplication::clipboard()->image();
    if (page.isNull()) {
        MsgBox(&m_mainWindow,
               QStringLiteral("The scanned page is no longer on the clipboard, so nothing was "
                              "saved. Another program may have replaced it; please copy again."));
        return;
    }
    const Outcome saved = SaveBitmapFile(page, m_dlg.FileName);
    if (!saved.ok)
        MsgBox(&m_mainWindow, saved.message);
}

void CopyCommand::printRoute()
{
    const Outcome printed = PrintCopies(m_counters.copiesRef(), m_counters.scale(), m_printer);
    if (!printed.message.isEmpty())
        MsgBox(&m_mainWindow, printed.message);
}
