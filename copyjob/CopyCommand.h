#pragma once

class ApplicationPrinter;
class Counters;
class QObject;
class QWidget;
class ScannerLayer;

// The Copy command: scan one page to the clipboard, then print or save it as
// the two output-mode switches say.
class CopyCommand
{
public:
    CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Counters &counters,
                ApplicationPrinter &printer, QObject &lblPrintToDefault, QObject &lblSave);

    void run();

private:
    QWidget &m_mainWindow;
    ScannerLayer &m_scanner;
    Counters &m_counters;
    ApplicationPrinter &m_printer;
    QObject &m_lblPrintToDefault;
    QObject &m_lblSave;
};
