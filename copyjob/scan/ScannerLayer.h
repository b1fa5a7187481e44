// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/PageSink.h"

#include <QImage>
#include <QString>

class QWidget;

// Who uses the scanner layer, as the program registered itself.
struct ScannerClient
{
    int major = 0, minor = 0; // of the scanning protocol the program was written for
    int language = 0, country = 0;
    QString version, manufacturer, productFamily, productName;
};

// The five operations the program needs from a scanner library. The
// application makes one and hands it to the commands; a test may hand them
// another implementation.
class ScannerLayer
{
public:
    virtual ~ScannerLayer() = default;

    // Tells the library who is asking. Touches no device and loads nothing.
    void TWAIN_RegisterApp(int major, int minor, int language, int country, const QString &version,
                           const QString &manufacturer, const QString &productFamily,
                           const QString &productName);
    // What the program said of itself; all empty before it registered.
    const ScannerClient &client() const { return m_client; }
    // Nonzero when scanning can be used now; asked afresh on every call.
    virtual int TWAIN_IsAvailable() = 0;
    // Runs the scan dialog and puts the page on the system clipboard. Gives
    // that page, held by the caller from here on (the Copy command prints or
    // saves this one: the clipboard is anyone's to change while a dialog
    // waits); a null image, the library's 0, when no page came. pixelTypes
    // are the bits of the TWAIN call, 1 black and white, 2 grey, 4 colour,
    // summed, 0 for any: a plain int here only (PixelTypes within).
    virtual QImage TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) = 0;
    // As TWAIN_AcquireToClipboard, but the pages go into `sink` as they come:
    // from a document feeder every sheet in it (both sides of each from a
    // duplex source) when the user leaves that chosen, else the one page. The
    // clipboard holds the last page. Pages 0 when none was kept (cancelled,
    // or the sink refused one and says why). This one takes a single page.
    virtual StackResult AcquireStack(QWidget *owner, int pixelTypes, PageSink &sink);
    // Lets the user pick the scanner that later acquisitions use.
    virtual int TWAIN_SelectImageSource(QWidget *owner) = 0;
    // Version of the scanner library in use, times 100.
    virtual int TWAIN_EasyVersion() = 0;

private:
    ScannerClient m_client;
};
