// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanDialog.h"

#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/ScanChoices.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <sane/saneopts.h>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return button;
}

} // namespace

ScanDialog::ScanDialog(ScanSession &session, ScanMemory &memory, int pixelTypes, QWidget *parent)
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
    m_options->setLeftOut(
        {QStringLiteral(SANE_NAME_SCAN_MODE), QStringLiteral(SANE_NAME_SCAN_RESOLUTION)});
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setAccessibleName(tr("Progress"));
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->hide();
    m_scanButton = makeButton(tr("&Scan"), "scanButton", this);
    m_scanButton->setDefault(true);
    m_cancelButton = makeButton(tr("Cancel"), "cancelButton", this);
    m_cancelButton->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(tr("Scanner:"), m_deviceLabel);
    form->addRow(tr("&Resolution:"), m_resolutionBox);
    form->addRow(tr("&Colour:"), m_modeBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_scanButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_options, 1);
    layout->addWidget(m_progressBar);
    layout->addWidget(m_messageLabel);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    connect(m_scanButton, &QPushButton::clicked, this, &ScanDialog::onEnter);
    connect(m_cancelButton, &QPushButton::clicked, this, &ScanDialog::reject);
    connect(m_options, &ScanOptionsPanel::optionChanged, this, &ScanDialog::onOptionChanged);
    connect(m_resolutionBox, &QComboBox::currentIndexChanged, this,
            [this] { m_options->setResolution(m_resolutionBox->currentData().toDouble()); });
    connect(&m_session, &ScanSession::opened, this, &ScanDialog::onOpened);
    connect(&m_session, &ScanSession::optionSet, this, &ScanDialog::onOptionSet);
    connect(&m_session, &ScanSession::progress, this, &ScanDialog::onProgress);
    connect(&m_session, &ScanSession::scanEnded, this, &ScanDialog::onScanEnded);
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
}

// Every change of state goes through here, and with it what can be pressed.
void ScanDialog::setState(State state)
{
    const State was = std::exchange(m_state, state);
    switch (state) {
    case State::Looking:
    case State::Retrying:
    case State::Scanning:
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
        break;
    }
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

void ScanDialog::onOpened(const QString &error, const SaneDeviceInfo &device,
                          const QList<ScanOption> &options)
{
    const State opening = flow();
    if (opening != State::Looking && opening != State::Retrying)
        return;
    m_toSet.clear();
    if (!error.isEmpty()) {
        showOpenFailure(error);
        return;
    }
    showMessage({});
    m_deviceLabel->setText(device.displayName());
    const bool firstOpen = m_options->options().isEmpty();
    showChoices(options);
    if (firstOpen)
        m_options->fitWindow(); // the settings arrived after the dialog was shown
    if (opening == State::Retrying) {
        scan(); // opened afresh, and on with the scan, which sets the choices
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

void ScanDialog::showChoices(const QList<ScanOption> &options)
{
    // Opened again for a Retry: what is shown stays; the first time, what the
    // last scan used.
    const QString device = m_session.currentDevice();
    const QString shownMode =
        m_modeBox->count() > 0 ? m_modeBox->currentText() : m_memory.mode(device);
    const int shownDpi = m_resolutionBox->count() > 0 ? m_resolutionBox->currentData().toInt()
                                                      : m_memory.resolution(device);
    QStringList modes;
    if (const ScanOption *mode = ScanChoices::find(options, QStringLiteral(SANE_NAME_SCAN_MODE)))
        modes = ScanChoices::offeredModes(mode->strings, m_pixelTypes);
    m_modeBox->clear();
    m_modeBox->addItems(modes);
    m_modeBox->setCurrentIndex(ScanChoices::modeIndex(modes, shownMode));

    QList<int> dpis;
    if (const ScanOption *resolution =
            ScanChoices::find(options, QStringLiteral(SANE_NAME_SCAN_RESOLUTION)))
        dpis = ScanChoices::resolutions(*resolution);
    m_resolutionBox->clear();
    for (int dpi : dpis)
        m_resolutionBox->addItem(tr("%1 dpi").arg(dpi), dpi);
    m_resolutionBox->setCurrentIndex(ScanChoices::resolutionIndex(dpis, shownDpi));

    m_options->setResolution(m_resolutionBox->currentData().toDouble());
    m_options->setOptions(options);
}

void ScanDialog::showOpenFailure(const QString &error)
{
    m_deviceLabel->setText(m_session.currentDevice().isEmpty() ? tr("none")
                                                               : m_session.currentDevice());
    showMessage(error);
    setState(State::Failed);
    setControlsEnabled(false);
}

void ScanDialog::onOptionSet(const QString &error, const QList<ScanOption> &options)
{
    if (flow() != State::Setting)
        return;
    if (options.isEmpty()) { // no device open any more: Retry opens it
        m_toSet.clear();
        showOpenFailure(error);
        return;
    }
    // The device answers every setting with all its options: a change may
    // have made others appear or change range (reload), and the value it
    // took may not be the one asked for (inexact).
    m_options->setOptions(options);
    restoreChoices(options, false);
    showMessage(error);
    m_lastSet.clear();
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    setState(State::Ready);
}

void ScanDialog::restoreChoices(const QList<ScanOption> &options, bool firstOpen)
{
    const QString device = m_session.currentDevice();
    const ScanMemory::DeviceChoices choices =
        firstOpen ? fittingChoices(options) : m_memory.choices(device);
    for (const auto &choice : choices.options) {
        const ScanOption *option = ScanChoices::find(options, choice.first);
        if (!option || !option->value.isValid() || option->value == choice.second)
            continue;
        if (firstOpen)
            m_toSet.append(choice);         // a fresh helper: the device has its defaults
        else if (choice.first == m_lastSet) // what the device took is what is remembered
            m_memory.takeValue(device, choice.first, option->value);
    }
    if (!firstOpen)
        return;
    // The paper size last; its area is sent from the panel.
    QSignalBlocker block(m_options);
    if (choices.paperSize == ScanOptionsPanel::customName())
        m_options->setCustomArea(choices.customArea);
    else if (!choices.paperSize.isEmpty() && !m_options->choosePaperSize(choices.paperSize))
        m_memory.chooseArea(device, {}, {}); // no longer offered: the whole area
    // Sent even for the whole area: the device starts at an area of its own,
    // and what is shown must be what it will scan.
    m_toSet += m_options->areaValues();
}

// Choices kept from an earlier run may no longer fit the device (another
// driver version, a hand-edited file): each one that does not is forgotten,
// and the device keeps its own value for it.
ScanMemory::DeviceChoices ScanDialog::fittingChoices(const QList<ScanOption> &options)
{
    const QString device = m_session.currentDevice();
    ScanMemory::DeviceChoices choices = m_memory.choices(device);
    ScannerProtocol::Settings fitting;
    for (const auto &choice : choices.options) {
        const ScanOption *option = ScanChoices::find(options, choice.first);
        const QVariant value = option ? ScanChoices::fitted(*option, choice.second) : QVariant();
        if (value.isValid())
            fitting.append({choice.first, value});
    }
    choices.options = fitting;
    const QRectF bed = ScanArea(options).bed(m_resolutionBox->currentData().toDouble());
    if (choices.paperSize == ScanOptionsPanel::customName() &&
        !bed.adjusted(-0.5, -0.5, 0.5, 0.5).contains(choices.customArea))
        choices.paperSize.clear(); // off the glass: the whole area
    if (choices.paperSize != ScanOptionsPanel::customName())
        choices.customArea = {};
    m_memory.setChoices(device, choices);
    return choices;
}

void ScanDialog::onOptionChanged(const QString &name, const QVariant &value)
{
    const QString device = m_session.currentDevice();
    if (ScanArea::isCornerOption(name))
        m_memory.chooseArea(device, m_options->paperSize(), m_options->area());
    else if (value.isValid())
        m_memory.chooseOption(device, name, value);
    m_toSet.removeIf([&](const auto &queued) { return queued.first == name && value.isValid(); });
    m_toSet.append({name, value});
    // Otherwise it follows the setting or reply under way.
    if (m_state == State::Ready || m_state == State::Failed)
        sendNextOption();
}

void ScanDialog::sendNextOption()
{
    if (m_toSet.isEmpty())
        return;
    const auto next = m_toSet.takeFirst();
    m_lastSet = next.first;
    setState(State::Setting);
    m_session.setOption(next.first, next.second);
}

void ScanDialog::onEnter()
{
    switch (m_state) {
    case State::Ready:
        scan();
        break;
    case State::Failed:
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
    ScannerProtocol::Settings chosen = m_memory.choices(m_session.currentDevice()).options;
    // A choice that a later one made inactive (a feeder's setting once the
    // glass is chosen) stays kept, but the device would refuse it now.
    chosen.removeIf([this](const auto &choice) {
        const ScanOption *option = ScanChoices::find(m_options->options(), choice.first);
        return !option || !option->value.isValid();
    });
    chosen += m_options->areaValues();
    m_session.startScan(m_modeBox->currentText(), m_resolutionBox->currentData().toInt(), chosen);
}

// The dialog's own choices are kept once a scan is made with them, even
// when the page fails: the next copy, or a Retry, scans with them.
void ScanDialog::takeScanChoices()
{
    m_memory.setScanChoices(m_session.currentDevice(), m_modeBox->currentText(),
                            m_resolutionBox->currentData().toInt());
}

void ScanDialog::onProgress(qint64 received, qint64 expected)
{
    if (expected > 0) {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(int(std::min<qint64>(1000, received * 1000 / expected)));
    }
}

void ScanDialog::onScanEnded(const QImage &page, const QString &error, bool cancelled)
{
    if (flow() != State::Scanning && m_state != State::Closing)
        return;
    if (m_state == State::Closing || cancelled) {
        QDialog::reject();
        return;
    }
    if (page.isNull()) {
        showMessage(error.isEmpty() ? tr("The scanner sent no picture.") : error);
        setState(State::Failed);
        return;
    }
    m_memory.setLastScanDevice(m_session.currentDevice());
    m_page = page;
    accept();
}

void ScanDialog::onTrouble(const QString &message)
{
    m_toSet.clear();
    if (m_state == State::Closing) {
        QDialog::reject();
        return;
    }
    showMessage(message);
    setState(State::Failed); // Retry starts a fresh helper
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
        QDialog::reject();
        return;
    }
    if (m_state == State::Closing)
        return;
    setState(State::Closing);
    showMessage(tr("Stopping the scan…"));
    m_session.cancel();
    if (!m_session.isBusy())
        QDialog::reject();
}
