// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/ApplicationPrinter.h"

#include "copyjob/print/JobWatcher.h"
#include "copyjob/print/PrintJob.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

ApplicationPrinter::ApplicationPrinter() : m_watcher(std::make_unique<JobWatcher>()) {}
ApplicationPrinter::~ApplicationPrinter() = default;

QPrinter &ApplicationPrinter::printer()
{
    // The system's default printer; with printers but no default Qt takes the
    // first one, and with none at all the printer has no name, which the
    // print job reports as "no printer".
    if (!m_printer) {
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        m_printer = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
        // Qt keeps its locale's paper (A4 here) whenever the printer also
        // takes it; a copy belongs on the paper the queue has loaded. Setting
        // the size brings that printer's own margins with it.
        if (!queue.isNull() && queue.defaultPageSize().isValid())
            m_printer->setPageSize(queue.defaultPageSize());
        m_printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *m_printer;
}

bool ApplicationPrinter::ChoosePrinter(const QString &title, int copies, QWidget *parent)
{
    printer().setCopyCount(copies);
    QPrintDialog dialog(&printer(), parent);
    dialog.setObjectName(QStringLiteral("PrinterDialog"));
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

PrintResult ApplicationPrinter::PrintStack(const PageStack &stack, int copies, int scale)
{
    return PrintCopies(stack, copies, scale, printer());
}

void ApplicationPrinter::followJob(const PrintedJob &job)
{
    m_watcher->follow(job);
}

void ApplicationPrinter::cancelLatestJob()
{
    m_watcher->cancelLatest();
}

void ApplicationPrinter::dismissNotice()
{
    m_watcher->dismiss();
}

void ApplicationPrinter::setStatusListener(StatusListener listener)
{
    m_watcher->setListener(std::move(listener));
}
