#pragma once

#include "copyjob/CommonDialog.h"

class ApplicationPrinter;
class Counters;
class QObject;
class QWidget;
class ScannerLayer;

// The Copy command: scan one page to the clipboard, then, as the two output
// switches say, ask for a printer and print, print straight away, or save the
// page as a bitmap file.
class CopyCommand
{
public:
    CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Counters &counters,
                ApplicationPrinter &printer, QObject &lblPrintToDefault, QObject &lblSave);

    void run();

    // The dialog control; it keeps the last saved file name for the run.
    CommonDialog &dlg() { return m_dlg; }

private:
    void saveRoute();
    void printRoute();

    QWidget &m_mainWindow;
    ScannerLayer &m_scanner;
    Counters &m_counters;
    ApplicationPrinter &m_printer;
    QObject &m_lblPrintToDefault;
    QObject &m_lblSave;
    CommonDialog m_dlg;
};
