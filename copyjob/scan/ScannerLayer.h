// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

#include <utility>

class QWidget;

// The five operations the program needs from a scanner library. The
// application makes one and hands it to the commands; a test may hand them
// another implementation.
class ScannerLayer
{
public:
    virtual ~ScannerLayer() = default;

    // Tells the library who is asking. Touches no device and loads nothing.
    virtual int TWAIN_RegisterApp(int major, int minor, int language, int country,
                                  const QString &version, const QString &manufacturer,
                                  const QString &productFamily, const QString &productName);
    // Nonzero when scanning can be used now; asked afresh on every call.
    virtual int TWAIN_IsAvailable() = 0;
    // Runs the scan dialog; 1 with the page on the system clipboard, 0 without a page.
    virtual int TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) = 0;
    // Lets the user pick the scanner that later acquisitions use.
    virtual int TWAIN_SelectImageSource(QWidget *owner) = 0;
    // Version of the scanner library in use, times 100.
    virtual int TWAIN_EasyVersion() = 0;

    // The page the last successful acquisition put on the clipboard, handed
    // over once. The Copy command prints or saves this one: the clipboard is
    // anyone's to change while a dialog waits.
    QImage takeAcquiredPage() { return std::exchange(m_acquiredPage, QImage()); }

protected:
    QImage m_acquiredPage;
};
