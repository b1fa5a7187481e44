// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

#include <memory>

class JobWatcher;
class QPrinter;

// The application's current printer. It is made the first time a copy needs
// it (looking up printers at start-up would slow the window down), on the
// system's default printer; the printer dialog replaces the choice. It keeps
// the watcher that follows every job printed, for the rest of the run.
class ApplicationPrinter : public Printing
{
public:
    ApplicationPrinter();
    ~ApplicationPrinter() override;

    QPrinter &printer();
    bool created() const { return bool(m_printer); }
    JobWatcher &watcher() { return *m_watcher; }

    bool ChoosePrinter(const QString &title, int copies, QWidget *parent) override;
    PrintResult PrintStack(const PageStack &stack, int copies, int scale) override;
    void followJob(const PrintedJob &job) override;
    void cancelLatestJob() override;
    void dismissNotice() override;
    void setStatusListener(StatusListener listener) override;

private:
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<JobWatcher> m_watcher;
};
