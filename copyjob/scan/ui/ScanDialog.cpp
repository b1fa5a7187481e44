// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanDialog.h"

#include "copyjob/scan/model/OptionNames.h"
#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/PreviewPane.h"
#include "copyjob/scan/ui/ScanChoices.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QPushButton *ScanDialog::makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

ScanDialog::ScanDialog(ScanSession &session, ScanMemory &memory, PixelTypes pixelTypes,
                       QWidget *parent)
    : QDialog(parent), m_session(session), m_memory(memory), m_pixelTypes(pixelTypes)
{
    setObjectName(QStringLiteral("ScanDialog"));
    setWindowTitle(tr("Scan"));
    setModal(true);

    m_deviceLabel = new QLabel(this);
    m_deviceLabel->setObjectName(QStringLiteral("deviceLabel"));
    m_deviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resolutionBox = new QComboBox(this);
    m_resolutionBox->setObjectName(QStringLiteral("resolutionBox"));
    m_resolutionBox->setAccessibleName(tr("Resolution"));
    m_modeBox = new QComboBox(this);
    m_modeBox->setObjectName(QStringLiteral("modeBox"));
    m_modeBox->setAccessibleName(tr("Colour mode"));
    m_options = new ScanOptionsPanel(this);
    m_options->setObjectName(QStringLiteral("optionsPanel"));
    m_options->setLeftOut({OptionName::mode, OptionName::resolution});
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setAccessibleName(tr("Progress"));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();
    m_pane = new PreviewPane(this);
    m_previewButton = makeButton(tr("Pre&view"), "previewButton", this);
    m_previewButton->setAutoDefault(false);
    m_scanButton = makeButton(tr("&Scan"), "scanButton", this);
    m_scanButton->setDefault(true);
    m_cancelButton = makeButton(tr("Cancel"), "cancelButton", this);
    m_cancelButton->setAutoDefault(false);
    makeStackControls();

    auto *form = new QFormLayout;
    form->addRow(tr("Scanner:"), m_deviceLabel);
    form->addRow(tr("&Resolution:"), m_resolutionBox);
    form->addRow(tr("&Colour:"), m_modeBox);
    auto *settings = new QVBoxLayout;
    settings->addLayout(form);
    settings->addWidget(m_allSheetsBox);
    settings->addWidget(m_options, 1);
    auto *sides = new QHBoxLayout;
    sides->addWidget(m_pane, 1);
    sides->addLayout(settings);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_previewButton);
    buttons->addStretch();
    buttons->addWidget(m_copySoFarButton);
    buttons->addWidget(m_scanButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_messageLabel);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_scanButton, &QPushButton::clicked, this, &ScanDialog::onEnter);
    connect(m_previewButton, &QPushButton::clicked, this, &ScanDialog::preview);
    connect(m_pane, &PreviewPane::areaDrawn, m_options, &ScanOptionsPanel::setCustomArea);
    connect(m_cancelButton, &QPushButton::clicked, this, &ScanDialog::reject);
    connect(m_options, &ScanOptionsPanel::optionChanged, this, &ScanDialog::onOptionChanged);
    connect(m_resolutionBox, &QComboBox::currentIndexChanged, this, [this] {
        m_options->setResolution(m_resolutionBox->currentData().toDouble());
        followArea();
    });
    connect(&m_session, &ScanSession::opened, this, &ScanDialog::onOpened);
    connect(&m_session, &ScanSession::optionSet, this, &ScanDialog::onOptionSet);
    connect(&m_session, &ScanSession::progress, this, &ScanDialog::onProgress);
    connect(&m_session, &ScanSession::scanEnded, this, &ScanDialog::onScanEnded);
    connect(&m_session, &ScanSession::feederEmpty, this, &ScanDialog::onFeederEmpty);
    connect(&m_session, &ScanSession::helperFailed, this, &ScanDialog::onTrouble);
    connect(&m_session, &ScanSession::stalled, this, &ScanDialog::onStalled);

    openDevice(State::Looking);
}

QString ScanDialog::message() const
{
    return m_messageLabel->text();
}

void ScanDialog::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_messageLabel->setVisible(!text.isEmpty());
}

void ScanDialog::offer(const QString &button)
{
    m_scanButton->setText(button);
    m_scanButton->setAccessibleName(QString(button).remove(QLatin1Char('&')));
    m_scanButton->setEnabled(true);
    m_scanButton->setFocus();
}

// Replies are taken in the state their request was made in, stalled or not.
ScanDialog::State ScanDialog::flow() const
{
    return m_state == State::Stalled ? m_stalledFrom : m_state;
}

void ScanDialog::setControlsEnabled(bool enabled)
{
    m_resolutionBox->setEnabled(enabled && m_resolutionBox->count() > 0);
    m_modeBox->setEnabled(enabled && m_modeBox->count() > 0);
    m_options->setEnabled(enabled);
    m_allSheetsBox->setEnabled(enabled);
    m_pane->setEnabled(enabled);
}

// Every change of state goes through here, and with it what can be pressed.
void ScanDialog::setState(State state)
{
    const State was = std::exchange(m_state, state);
    switch (state) {
    case State::Looking:
    case State::Retrying:
    case State::Scanning:
    case State::Previewing:
        setControlsEnabled(false);
        m_scanButton->setEnabled(false);
        m_progressBar->setVisible(true);
        if (was != State::Stalled)
            m_progressBar->setRange(0, 0); // busy until the page size is known
        m_cancelButton->setFocus();
        break;
    case State::Setting:
        setControlsEnabled(true);
        m_progressBar->hide();
        m_scanButton->setEnabled(false);
        break;
    case State::Ready:
        setControlsEnabled(true);
        m_progressBar->hide();
        m_scanButton->setText(tr("&Scan"));
        m_scanButton->setAccessibleName(tr("Scan"));
        m_scanButton->setEnabled(true);
        break;
    case State::Failed:
        setControlsEnabled(true);
        m_progressBar->hide();
        offer(tr("&Retry"));
        break;
    case State::Stalled: // what was shown stays
        offer(tr("&Keep waiting"));
        break;
    case State::Closing:
        m_cancelButton->setEnabled(false);
        m_scanButton->setEnabled(false);
        m_copySoFarButton->setEnabled(false);
        break;
    case State::Stopping: // the page under way still comes, and Cancel again stops it now
        m_cancelButton->setFocus();
        break;
    case State::Interrupted:
        setControlsEnabled(false); // the rest of the stack comes as the first pages did
        m_progressBar->hide();
        // After Cancel nothing failed: the stack goes on rather than retries.
        offer(m_stopped ? tr("&Go on from the next sheet") : tr("Retry from the &next sheet"));
        break;
    }
    const bool keep = m_pages > 0 && (state == State::Interrupted || state == State::Stalled);
    m_copySoFarButton->setVisible(keep);
    m_copySoFarButton->setEnabled(keep);
    followArea();
}

// The pane shows the bed and the area the numbers stand for; a preview can
// be taken while the dialog waits on the user, but not from a feeder.
void ScanDialog::followArea()
{
    const QList<ScanOption> &options = m_options->options();
    m_pane->setBed(ScanArea(options).bed(m_resolutionBox->currentData().toDouble()));
    m_pane->setArea(m_options->area());
    const bool feeder = ScanChoices::isFeederSource(options);
    m_previewButton->setToolTip(
        feeder ? tr("A preview would take a sheet out of the document feeder.") : QString());
    m_previewButton->setEnabled(m_state == State::Ready && !feeder && !options.isEmpty());
    m_allSheetsBox->setVisible(m_sink && feeder);
}

void ScanDialog::openDevice(State opening)
{
    // The device list may take a while on a network: the dialog says it is looking.
    m_deviceLabel->setText(m_session.currentDevice().isEmpty() ? tr("looking…")
                                                               : m_session.currentDevice());
    showMessage(tr("Looking for the scanner…"));
    setState(opening);
    m_session.openDevice();
}

void ScanDialog::onOpened(const Outcome &result, const ScanDevice &device,
                          const QList<ScanOption> &options)
{
    const State opening = flow();
    if (opening != State::Looking && opening != State::Retrying)
        return;
    m_toSet.clear();
    if (!result.ok) {
        showOpenFailure(result.message);
        return;
    }
    showMessage({});
    m_deviceLabel->setText(device.displayName());
    const bool firstOpen = m_options->options().isEmpty();
    showChoices(options);
    if (firstOpen) {
        const QSignalBlocker quiet(m_allSheetsBox);
        m_allSheetsBox->setChecked(m_memory.choices(device.name).allSheets);
        m_pane->setPicture(m_memory.preview(device.name));
        m_options->fitWindow(); // the settings arrived after the dialog was shown
    }
    if (opening == State::Retrying) {
        // Opened afresh, and on with the scan, which sets the choices.
        m_previewing ? preview() : scan();
        return;
    }
    restoreChoices(options, firstOpen);
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    setState(State::Ready);
    m_scanButton->setFocus();
}

void ScanDialog::showOpenFailure(const QString &error)
{
    m_deviceLabel->setText(m_session.currentDevice().isEmpty() ? tr("none")
                                                               : m_session.currentDevice());
    if (m_pages > 0) { // the stack's pages stay whatever became of the device
        interrupt(error);
        return;
    }
    showMessage(error);
    setState(State::Failed);
    setControlsEnabled(false);
}

void ScanDialog::onOptionSet(const Outcome &result, const QList<ScanOption> &options)
{
    if (flow() != State::Setting)
        return;
    if (options.isEmpty()) { // no device open any more: Retry opens it
        m_toSet.clear();
        showOpenFailure(result.message);
        return;
    }
    // The device answers every setting with all its options: a change may
    // have made others appear or change range (reload), and the value it
    // took may not be the one asked for (inexact).
    m_options->setOptions(options);
    restoreChoices(options, false);
    showMessage(result.message);
    m_lastSet.clear();
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    setState(State::Ready);
}

void ScanDialog::onEnter()
{
    switch (m_state) {
    case State::Ready:
        scan();
        break;
    case State::Failed:
    case State::Interrupted:
        // The helper closes the device after every failed scan; Retry opens
        // it afresh, so a scanner that went away and came back is found again.
        openDevice(State::Retrying);
        break;
    case State::Stalled:
        showMessage({});
        setState(m_stalledFrom);
        m_session.keepWaiting();
        break;
    default: // nothing to press meanwhile
        break;
    }
}

void ScanDialog::scan()
{
    showMessage({});
    setState(State::Scanning);
    takeScanChoices();
    emit scanStarting();
    // The device has the choices already, unless its helper was started
    // afresh; they go with the scan, the area last.
    ScanSettings chosen = m_memory.choices(m_session.currentDevice()).options;
    // A choice that a later one made inactive (a feeder's setting once the
    // glass is chosen) stays kept, but the device would refuse it now.
    chosen.removeIf([this](const auto &choice) {
        const ScanOption *option = ScanChoices::find(m_options->options(), choice.first);
        return !option || !option->value.isValid();
    });
    chosen += m_options->areaValues();
    m_previewing = false;
    // A stack starts at its first sheet, and again after a fault: the device
    // was opened afresh.
    m_stack = stackOffered() && m_allSheetsBox->isChecked();
    m_duplex = m_stack && ScanChoices::isDuplexSource(m_options->options());
    m_sheet = m_stack ? 1 : 0;
    if (m_pages > 0)
        showMessage(tr("Page %1").arg(m_pages));
    m_session.startScan(m_modeBox->currentText(), m_resolutionBox->currentData().toInt(), chosen,
                        m_sheet);
}

// The whole bed at a low resolution in the chosen mode, with the device's
// other choices; what the user chose stays as it is.
void ScanDialog::preview()
{
    if (flow() != State::Ready && flow() != State::Retrying)
        return;
    const QList<ScanOption> &options = m_options->options();
    const ScanOption *resolution = ScanChoices::find(options, OptionName::resolution);
    ScanSettings chosen = m_memory.choices(m_session.currentDevice()).options;
    chosen.removeIf([](const auto &choice) { return ScanArea::isCornerOption(choice.first); });
    showMessage({});
    m_previewing = true;
    setState(State::Previewing);
    m_session.startScan(m_modeBox->currentText(),
                        resolution ? ScanChoices::previewResolution(*resolution) : 0, chosen);
}

void ScanDialog::onPreviewed(const QImage &picture)
{
    m_previewing = false;
    m_memory.setPreview(m_session.currentDevice(), picture);
    m_pane->setPicture(picture);
    // The device was left at the whole bed and the preview's resolution: the
    // options it reports next must show the user's own again, the area first.
    m_toSet += m_options->areaValues();
    if (m_resolutionBox->count() > 0)
        m_toSet.append({OptionName::resolution, m_resolutionBox->currentData().toInt()});
    sendNextOption();
    if (m_toSet.isEmpty() && m_state == State::Previewing)
        setState(State::Ready);
}

void ScanDialog::onProgress(qint64 received, qint64 expected)
{
    if (expected > 0) {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(int(std::min<qint64>(1000, received * 1000 / expected)));
    }
}

void ScanDialog::onScanEnded(const QImage &page, const Outcome &result)
{
    if (flow() != State::Scanning && flow() != State::Previewing && flow() != State::Stopping &&
        m_state != State::Closing)
        return;
    if (m_state == State::Closing || result.is(Outcome::Code::Cancelled)) {
        m_acceptWhenStopped ? accept() : QDialog::reject();
        return;
    }
    if (page.isNull()) {
        failWith(result.message.isEmpty() ? tr("The scanner sent no picture.") : result.message);
        return;
    }
    if (m_previewing) {
        onPreviewed(page);
        return;
    }
    m_memory.setLastScanDevice(m_session.currentDevice());
    if (m_stack) {
        takeStackPage(page);
        return;
    }
    m_page = page;
    accept();
}

void ScanDialog::onTrouble(const Outcome &failure)
{
    m_toSet.clear();
    if (m_state == State::Closing) {
        m_acceptWhenStopped ? accept() : QDialog::reject();
        return;
    }
    failWith(failure.message); // Retry starts a fresh helper
}

void ScanDialog::onStalled(const QString &message)
{
    if (m_state == State::Closing || m_state == State::Stalled)
        return;
    m_stalledFrom = m_state;
    showMessage(message);
    setState(State::Stalled);
}

void ScanDialog::reject()
{
    if (!m_session.isBusy()) {
        if (m_stack)
            m_session.endStack();
        QDialog::reject();
        return;
    }
    if (m_state == State::Closing)
        return;
    if (m_stack && m_pages > 0 && m_state == State::Scanning) {
        // The sheet in the scanner comes out whole, and the pages stay.
        setState(State::Stopping);
        showMessage(tr("Stopping after page %1…").arg(m_pages + 1));
        return;
    }
    stopScanning(false);
}
