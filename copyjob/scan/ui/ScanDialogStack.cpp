// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scan dialog's way through a document feeder's stack: sheet after
// sheet into the sink, and what a fault or Cancel on the way leaves to choose.

#include "common/PageSink.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/ScanChoices.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

void ScanDialog::makeStackControls()
{
    m_allSheetsBox = new QCheckBox(tr("&All sheets in the feeder"), this);
    m_allSheetsBox->setObjectName(QStringLiteral("allSheetsBox"));
    m_allSheetsBox->setChecked(true);
    m_allSheetsBox->hide();
    m_copySoFarButton = makeButton(tr("Co&py the pages scanned"), "copySoFarButton", this);
    m_copySoFarButton->setAutoDefault(false);
    m_copySoFarButton->hide();
    connect(m_allSheetsBox, &QCheckBox::toggled, this, &ScanDialog::keepAllSheets);
    connect(m_copySoFarButton, &QPushButton::clicked, this, [this] {
        if (m_state == State::Interrupted)
            accept();
        else if (m_state == State::Stalled)
            stopScanning(true);
    });
}

bool ScanDialog::stackOffered() const
{
    return m_sink && ScanChoices::isFeederSource(m_options->options());
}

// The next sheet is asked for before this page is kept, so the scanner feeds
// it while the page is compressed. Nothing is printed or saved from a sink
// that could not keep a page: the scan stops, and the Copy command says why.
bool ScanDialog::takeStackPage(const QImage &page)
{
    ++m_pages;
    emit pageArrived(page);
    if (m_state == State::Stalled) { // it came after all
        showMessage({});
        setState(m_stalledFrom);
    }
    const bool stop = m_state == State::Stopping;
    if (!stop)
        m_session.startScan(m_modeBox->currentText(), m_resolutionBox->currentData().toInt(), {},
                            ++m_sheet);
    QString error;
    if (!m_sink->takePage(page, &error)) {
        m_sinkError = error;
        --m_pages;
        stopScanning(false);
        return false;
    }
    if (stop) {
        m_session.endStack();
        interrupt(tr("Stopped after page %1.").arg(m_pages), true);
    } else {
        showMessage(tr("Page %1").arg(m_pages));
    }
    return true;
}

void ScanDialog::onFeederEmpty()
{
    if (flow() != State::Scanning && flow() != State::Stopping)
        return;
    m_session.endStack();
    if (m_state == State::Stopping)
        interrupt(tr("Stopped after page %1.").arg(m_pages), true);
    else
        accept(); // the normal end of a stack
}

// A failure before any page of a stack is one page's failure, with Retry.
void ScanDialog::failWith(const QString &text)
{
    if (m_stack && m_pages > 0) {
        interrupt(tr("Page %1: %2").arg(m_pages + 1).arg(text));
        return;
    }
    showMessage(text);
    setState(State::Failed);
}

void ScanDialog::interrupt(const QString &text, bool stopped)
{
    m_stopped = stopped;
    showMessage(text);
    setState(State::Interrupted);
}

// Cancels the scan under way; the dialog closes once it has stopped, with the
// stack's pages (the user chose to copy them) or without anything.
void ScanDialog::stopScanning(bool thenAccept)
{
    m_acceptWhenStopped = thenAccept;
    setState(State::Closing);
    showMessage(tr("Stopping the scan…"));
    m_session.cancel();
    if (m_session.isBusy())
        return;
    if (m_stack)
        m_session.endStack();
    thenAccept ? accept() : QDialog::reject();
}

void ScanDialog::keepAllSheets(bool on)
{
    const QString device = m_session.currentDevice();
    ScanMemory::DeviceChoices choices = m_memory.choices(device);
    choices.allSheets = on;
    m_memory.setChoices(device, choices);
}
