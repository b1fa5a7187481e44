// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"
#include "copyjob/CommonDialog.h"

#include <QCoreApplication>

class PageStack;
class Printing;
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

// The Copy command: scan to the clipboard, then ask for a printer and print,
// print straight away, or save. The pages scanned are the pages printed or
// saved, whatever reaches the clipboard while a dialog waits. Every copy is a
// stack: one page from the glass, or a document feeder's whole stack kept in
// a private spool as it comes. The pages go one print route (one job, its
// copies collated) or one save route (a bitmap; several pages as one PDF or
// numbered bitmaps). The job printed is handed to the printing's watcher,
// which follows it after the command has ended.
class CopyCommand
{
    Q_DECLARE_TR_FUNCTIONS(CopyCommand)

public:
    CopyCommand(QWidget &mainWindow, ScannerLayer &scanner, Printing &printing);

    void run(const CopyRequest &request);

private:
    void saveRoute(const PageStack &stack);
    void printRoute(const PageStack &stack, const CopyRequest &request);

    QWidget &m_mainWindow;
    ScannerLayer &m_scanner;
    Printing &m_printing;
    // The dialog control; it keeps the last saved file name for the run.
    CommonDialog dlg;
};
