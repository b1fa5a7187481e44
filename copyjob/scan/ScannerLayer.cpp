// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ScannerLayer.h"

int ScannerLayer::TWAIN_RegisterApp(int, int, int, int, const QString &, const QString &,
                                    const QString &, const QString &)
{
    // SANE has no registration; the call is kept so the program says who it is
    // to a library that wants to know.
    return 1;
}

StackResult ScannerLayer::AcquireStack(QWidget *owner, int pixelTypes, PageSink &sink)
{
    const QImage page = TWAIN_AcquireToClipboard(owner, pixelTypes);
    if (page.isNull())
        return {};
    if (Outcome kept = sink.takePage(page); !kept.ok)
        return {kept};
    return StackResult::of(1, false);
}
