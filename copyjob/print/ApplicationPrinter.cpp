// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/ApplicationPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

ApplicationPrinter::ApplicationPrinter() = default;
ApplicationPrinter::~ApplicationPrinter() = default;

QPrinter &ApplicationPrinter::printer()
{
    // The system's default printer; with printers but no default Qt takes the
    // first one, and with none at all the printer has no name, which the
    // print job reports as "no printer".
    if (!m_printer)
        m_printer =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return *m_printer;
}
