// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// mirel-print.so: the program's printing, loaded at the first print.
#include "copyjob/print/ApplicationPrinter.h"
#include "copyjob/print/PrintModule.h"

extern "C" Q_DECL_EXPORT Printing *mirel_create_printing()
{
    return new ApplicationPrinter;
}
