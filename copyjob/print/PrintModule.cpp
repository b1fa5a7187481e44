// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/PrintModule.h"

#include "common/MessageBox.h"

#include <QCoreApplication>
#include <QLibrary>

PrintModule::PrintModule() = default;
// The module stays loaded to the end of the process, so the printing it made
// can be deleted from its own code.
PrintModule::~PrintModule() = default;

Printing *PrintModule::load()
{
    if (m_printing || !m_error.isEmpty())
        return m_printing.get();
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList paths =
        !m_path.isEmpty()
            ? QStringList{m_path}
            : QStringList{dir + QStringLiteral("/" MIREL_PRINT_MODULE_DIR "/mirel-print.so"),
                          dir + QStringLiteral("/mirel-print.so")};
    QStringList tried;
    for (const QString &path : paths) {
        QLibrary module(path);
        auto *create =
            reinterpret_cast<CreatePrintingFunction *>(module.resolve("mirel_create_printing"));
        if (create) {
            m_printing.reset(create());
            if (m_listener)
                m_printing->setStatusListener(m_listener);
            return m_printing.get();
        }
        tried << module.errorString();
    }
    //: %1 is the system's reason, in English.
    m_error = QCoreApplication::translate("Printing", "Printing is not available: Mirel's print "
                                                      "module could not be loaded.\n\n%1")
                  .arg(tried.join(u'\n'));
    return nullptr;
}

bool PrintModule::ChoosePrinter(const QString &title, int copies, QWidget *parent)
{
    if (Printing *printing = load())
        return printing->ChoosePrinter(title, copies, parent);
    MsgBox(parent, m_error);
    return false;
}

PrintResult PrintModule::PrintStack(const PageStack &stack, int copies, int scale)
{
    if (Printing *printing = load())
        return printing->PrintStack(stack, copies, scale);
    return {Outcome::failure(m_error), {}};
}

void PrintModule::followJob(const PrintedJob &job)
{
    if (m_printing)
        m_printing->followJob(job);
}

void PrintModule::cancelLatestJob()
{
    if (m_printing)
        m_printing->cancelLatestJob();
}

void PrintModule::dismissNotice()
{
    if (m_printing)
        m_printing->dismissNotice();
}

void PrintModule::setStatusListener(StatusListener listener)
{
    m_listener = std::move(listener);
    if (m_printing)
        m_printing->setStatusListener(m_listener);
}
