#include "copyjob/CopyCommand.h"

#include "copyjob/ScannerLayer.h"

#include <QWidget>

CopyCommand::CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Counters &counters,
                         ApplicationPrinter &printer, QObject &lblPrintToDefault, QObject &lblSave)
    : m_mainWindow(mainWindow), m_scanner(scanner), m_counters(counters), m_printer(printer),
      m_lblPrintToDefault(lblPrintToDefault), m_lblSave(lblSave)
{
}

void CopyCommand::run()
{
    if (!m_scanner.TWAIN_IsAvailable())
        return;
    if (!m_scanner.TWAIN_AcquireToClipboard(&m_mainWindow, 0))
        m_mainWindow.setFocus();
}
