#pragma once

#include <QString>

class QWidget;

// What the application told the scanner layer about itself at start-up.
struct ScannerAppIdentity
{
    int major = 0;
    int minor = 0;
    int language = 0;
    int country = 0;
    QString version;
    QString manufacturer;
    QString productFamily;
    QString productName;
};

// The five operations the program needs from a scanner library. The
// application makes one and hands it to the commands; a test may hand them
// another implementation.
class ScannerLayer
{
public:
    virtual ~ScannerLayer() = default;

    // Records who is asking. Touches no device and loads nothing.
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

    bool registered() const { return m_registered; }
    const ScannerAppIdentity &appIdentity() const { return m_identity; }

protected:
    ScannerAppIdentity m_identity;
    bool m_registered = false;
};
