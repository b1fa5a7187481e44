#pragma once

#include "copyjob/ScannerLayer.h"

#include <QString>

// The scanner layer over SANE. libsane is loaded the first time scanning is
// asked about, never at start-up, so a machine without SANE starts normally.
class SaneScannerLayer : public ScannerLayer
{
public:
    explicit SaneScannerLayer(QString libraryFile = QStringLiteral("libsane.so.1"));
    ~SaneScannerLayer() override;

    SaneScannerLayer(const SaneScannerLayer &) = delete;
    SaneScannerLayer &operator=(const SaneScannerLayer &) = delete;

    int TWAIN_IsAvailable() override;
    int TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes) override;
    int TWAIN_SelectImageSource(QWidget *owner) override;
    int TWAIN_EasyVersion() override;

private:
    bool load();

    QString m_libraryFile;
    void *m_handle = nullptr;
    bool m_initialised = false;
    int m_versionCode = 0;
    void (*m_exit)() = nullptr;
};
