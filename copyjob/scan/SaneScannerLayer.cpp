// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/SaneScannerLayer.h"

#include "common/PageClipboard.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/SourceDialog.h"

#include <cstdio>

SaneScannerLayer::SaneScannerLayer(QString libraryFile) : m_session(std::move(libraryFile))
{
    // What each device is, so that its choices are known again under another name.
    QObject::connect(&m_session, &ScanSession::opened, &m_session,
                     [this](const Outcome &result, const ScanDevice &device) {
                         if (result.ok)
                             m_memory.setIdentity(device);
                     });
    QObject::connect(&m_session, &ScanSession::devicesListed, &m_session,
                     [this](const QList<ScanDevice> &devices) { onListed(devices); });
}

// Once a run, on the first Copy or Select Source: a device chosen in this run
// already holds over the one the file names.
void SaneScannerLayer::recallKept()
{
    if (m_file)
        return;
    m_file.emplace();
    m_keptChosen = m_file->load(m_memory);
    if (m_session.currentDevice().isEmpty())
        m_session.setCurrentDevice(m_keptChosen);
    if (!m_keptChosen.isEmpty() || !m_memory.devices().isEmpty()) {
        m_findAgain = true;
        m_session.listBeforeOpening();
    }
}

void SaneScannerLayer::onListed(const QList<ScanDevice> &devices)
{
    for (const ScanDevice &device : devices)
        m_memory.setIdentity(device);
    if (!std::exchange(m_findAgain, false))
        return;
    // The kept device under its new name, or, found neither way, the first.
    const QString now = m_memory.findAgain(devices, m_session.currentDevice());
    if (!m_keptChosen.isEmpty() && m_session.currentDevice() == m_keptChosen)
        m_session.setCurrentDevice(now);
}

void SaneScannerLayer::keep()
{
    if (!m_file)
        return;
    const Outcome kept = m_file->save(m_memory, m_session.currentDevice());
    // Not keeping them is no reason to stop a copy: said once, quietly.
    if (!kept.ok && !std::exchange(m_saidUnkept, true))
        std::fprintf(stderr, "mirel: %s\n", qPrintable(kept.message));
}

int SaneScannerLayer::TWAIN_IsAvailable()
{
    // Asked of the helper every time: SANE may have been installed since.
    return m_session.isAvailable() ? 1 : 0;
}

// The scan dialog, run to its end; false when no page came.
bool SaneScannerLayer::runScanDialog(ScanDialog &dialog)
{
    QObject::connect(&dialog, &ScanDialog::scanStarting, &dialog, [this] { keep(); });
    // Each page of a stack reaches the clipboard as it arrives.
    QObject::connect(&dialog, &ScanDialog::pageArrived, &dialog, &PutPageOnClipboard);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Only a whole page ever reaches the clipboard.
    if (!dialog.page().isNull())
        PutPageOnClipboard(dialog.page());
    return true;
}

QImage SaneScannerLayer::TWAIN_AcquireToClipboard(QWidget *owner, int pixelTypes)
{
    if (!m_session.isAvailable())
        return {};
    recallKept();
    ScanDialog dialog(m_session, m_memory, PixelTypes::fromInt(pixelTypes), owner);
    return runScanDialog(dialog) ? dialog.page() : QImage();
}

StackResult SaneScannerLayer::AcquireStack(QWidget *owner, int pixelTypes, PageSink &sink)
{
    if (!m_session.isAvailable())
        return {};
    recallKept();
    ScanDialog dialog(m_session, m_memory, PixelTypes::fromInt(pixelTypes), owner);
    dialog.setSink(&sink);
    // A sink that refused a page ended the dialog; its words are the caller's to show.
    if (!runScanDialog(dialog))
        return {};
    if (dialog.pages() > 0)
        return StackResult::of(dialog.pages(), dialog.duplex());
    if (Outcome kept = sink.takePage(dialog.page()); !kept.ok)
        return {kept};
    return StackResult::of(1, false);
}

int SaneScannerLayer::TWAIN_SelectImageSource(QWidget *owner)
{
    if (!m_session.isAvailable())
        return 0;
    recallKept();
    SourceDialog dialog(m_session, owner);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedDevice().isEmpty())
        return 0;
    m_session.setCurrentDevice(dialog.selectedDevice());
    keep(); // a choice the user made, even before any scan from it
    return 1;
}

int SaneScannerLayer::TWAIN_EasyVersion()
{
    if (m_session.version() == 0 && !m_session.isAvailable())
        return 0;
    return m_session.version();
}
