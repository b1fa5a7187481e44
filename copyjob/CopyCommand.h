// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/CommonDialog.h"

class ApplicationPrinter;
class Counters;
class QImage;
class QString;
class QWidget;
class ScannerLayer;

// Where a copy goes, as the two output switches say.
enum class CopyRoute { AskForPrinter, PrintToDefault, Save };

// The route the switches' tags name. Only a tag of exactly "True" switches a
// route on; anything else counts as off, and then the user is asked for a
// printer rather than a copy going to the default printer unasked.
CopyRoute RouteFromTags(const QString &printToDefaultTag, const QString &saveTag);

// The Copy command: scan one page to the clipboard, then ask for a printer and
// print, print straight away, or save the page as a bitmap file. The page
// scanned is the page printed or saved, whatever reaches the clipboard while a
// dialog waits.
class CopyCommand
{
public:
    CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Counters &counters,
                ApplicationPrinter &printer);

    void run(CopyRoute route);

private:
    void saveRoute(const QImage &page);
    void printRoute(const QImage &page);

    QWidget &m_mainWindow;
    ScannerLayer &m_scanner;
    Counters &m_counters;
    ApplicationPrinter &m_printer;
    // The dialog control; it keeps the last saved file name for the run.
    CommonDialog dlg;
};
