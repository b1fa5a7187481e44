// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/SaneScannerLayer.h"

#include "common/PageClipboard.h"
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/SourceDialog.h"

int SaneScannerLayer::TWAIN_IsAvailable()
{
    // Asked of the helper every time: SANE may have been installed since.
    return m_session.isAvailable() ? 1 : 0;
}

QImage SaneScannerLayer::TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes)
{
    if (!m_session.isAvailable())
        return {};
    ScanDialog dialog(m_session, m_memory, pixelTypes, owner);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    // Only a whole page ever reaches the clipboard.
    const QImage page = dialog.page();
    PutPageOnClipboard(page);
    return page;
}

int SaneScannerLayer::TWAIN_SelectImageSource(QWidget *owner)
{
    if (!m_session.isAvailable())
        return 0;
    SourceDialog dialog(m_session, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedDevice().isEmpty())
        return 0;
    m_session.setCurrentDevice(dialog.selectedDevice());
    return 1;
}

int SaneScannerLayer::TWAIN_EasyVersion()
{
    if (m_session.versionCode() == 0 && !m_session.isAvailable())
        return 0;
    const int code = m_session.versionCode();
    return saneVersionTimes100(SANE_VERSION_MAJOR(code), SANE_VERSION_MINOR(code));
}
