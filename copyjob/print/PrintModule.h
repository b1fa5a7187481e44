// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/print/Printing.h"

#include <QString>

#include <memory>

// The program's printing, kept in a module of its own (mirel-print.so) that
// this loads the first time a copy prints: Qt's printing support and what it
// brings are no part of the program's start. The module is looked for where
// it is installed beside the program, then beside the program itself (a build
// tree). A module that cannot be loaded is a message, and the program goes on.
class PrintModule : public Printing
{
public:
    PrintModule();
    ~PrintModule() override;

    bool ChoosePrinter(const QString &title, int copies, QWidget *parent) override;
    PrintResult PrintStack(const PageStack &stack, int copies, int scale) override;
    // A job exists only once the module is loaded; until then there is
    // nothing to follow, cancel or dismiss, and the listener waits for it.
    void followJob(const PrintedJob &job) override;
    void cancelLatestJob() override;
    void dismissNotice() override;
    void setStatusListener(StatusListener listener) override;

    // Loads the module from this file instead (tests).
    void setModulePath(const QString &path) { m_path = path; }

    // The printing the module made; null, with error() saying why, when it
    // could not be loaded.
    Printing *load();
    QString error() const { return m_error; }

private:
    std::unique_ptr<Printing> m_printing;
    QString m_path, m_error;
    StatusListener m_listener;
};

// The module's one entry point: the application's printer, for the program
// to own and delete.
extern "C" using CreatePrintingFunction = Printing * ();
