// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"
#include "copyjob/CommonDialog.h"

class PageStack;
class Printing;
class QImage;
class QWidget;
class ScannerLayer;

// One press of Copy: where the copy goes, and the panel's counts as they
// stood when it was pressed.
struct CopyRequest
{
    CopyRoute route = CopyRoute::AskForPrinter;
    int copies = 1;
    int scale = 100; // percent
};

// The Copy command: scan one page to the clipboard, then ask for a printer and
// print, print straight away, or save the page as a bitmap file. The page
// scanned is the page printed or saved, whatever reaches the clipboard while a
// dialog waits. From a document feeder the pages of the whole stack, kept in a
// private spool as they come, print as one job of collated copies or save as
// one PDF or numbered bitmaps; one page goes exactly as from the glass.
class CopyCommand
{
public:
    CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Printing &printing);

    void run(const CopyRequest &request);

private:
    void saveRoute(const QImage &page);
    void printRoute(const QImage &page, const CopyRequest &request);
    void saveStack(const PageStack &stack);
    bool askFileName(const QString &filter);

    QWidget &m_mainWindow;
    ScannerLayer &m_scanner;
    Printing &m_printing;
    // The dialog control; it keeps the last saved file name for the run.
    CommonDialog dlg;
};
