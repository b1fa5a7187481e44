// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ScannerLayer.h"

void ScannerLayer::TWAIN_RegisterApp(int major, int minor, int language, int country,
                                     const QString &version, const QString &manufacturer,
                                     const QString &productFamily, const QString &productName)
{
    // SANE asks no one to register; the layer keeps who the program said it
    // is for any library that wants to know.
    m_client = {major, minor, language, country, version, manufacturer, productFamily, productName};
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
