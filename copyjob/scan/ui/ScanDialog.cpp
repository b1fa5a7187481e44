// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanDialog.h"

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

ScanDialog::ScanDialog(ScanSession &session, int pixelTypes, QWidget *parent)
    : QDialog(parent), m_session(session), m_pixelTypes(pixelTypes)
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
    connect(&m_session, &ScanSession::progress, this, &ScanDialog::onProgress);
    connect(&m_session, &ScanSession::scanEnded, this, &ScanDialog::onScanEnded);
    connect(&m_session, &ScanSession::helperFailed, this, &ScanDialog::onTrouble);
    connect(&m_session, &ScanSession::stalled, this, &ScanDialog::onStalled);

    openDevice();
}

bool ScanDialog::isScanning() const
{
    return m_session.isBusy();
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

void ScanDialog::setScanning(bool scanning)
{
    m_resolutionBox->setEnabled(!scanning && m_resolutionBox->count() > 0);
    m_modeBox->setEnabled(!scanning && m_modeBox->count() > 0);
    m_options->setEnabled(!scanning);
    m_scanButton->setEnabled(!scanning);
    m_progressBar->setVisible(scanning);
    m_progressBar->setRange(0, 0); // busy until the page size is known
    if (scanning)
        m_cancelButton->setFocus();
}

void ScanDialog::openDevice()
{
    // The device list may take a while on a network: the dialog says it is looking.
    m_deviceLabel->setText(m_session.currentDevice().isEmpty() ? tr("looking…")
                                                               : m_session.currentDevice());
    showMessage(tr("Looking for the scanner…"));
    setScanning(true);
    // Whoever drives the dialog (a test, an accessibility tool) can tell that
    // its choices are not there yet.
    setProperty("looking", true);
    m_afterStall = Next::Open;
    m_session.openDevice();
}

void ScanDialog::onOpened(const QString &error, const SaneDeviceInfo &device,
                          const QList<ScanOption> &options)
{
    const bool wasSetting = std::exchange(m_setting, false);
    if (wasSetting && !options.isEmpty()) {
        // The device answers every setting with all its options: a change
        // may have made others appear or change range (reload), and the
        // value it took may not be the one asked for (inexact).
        m_options->setOptions(options);
        restoreChoices(options, false);
        showMessage(error);
        m_lastSet.clear();
        if (!m_toSet.isEmpty()) {
            sendNextOption();
            return;
        }
        m_scanButton->setEnabled(true);
        return;
    }
    m_toSet.clear();
    setScanning(false);
    setProperty("looking", false);
    if (!error.isEmpty()) {
        m_deviceLabel->setText(m_session.currentDevice().isEmpty() ? tr("none")
                                                                   : m_session.currentDevice());
        m_resolutionBox->setEnabled(false);
        m_modeBox->setEnabled(false);
        m_options->setEnabled(false);
        showMessage(error);
        m_next = Next::Open;
        m_scanAfterOpen = false;
        offer(tr("&Retry"));
        return;
    }
    showMessage({});
    m_deviceLabel->setText(device.displayName());

    // Opened again for the next scan or a Retry: what is shown stays.
    const QString shownMode = m_modeBox->currentText();
    const int shownDpi = m_resolutionBox->currentData().toInt();
    QStringList modes;
    if (const ScanOption *mode = ScanChoices::find(options, QStringLiteral(SANE_NAME_SCAN_MODE)))
        modes = ScanChoices::offeredModes(mode->strings, m_pixelTypes);
    m_modeBox->clear();
    m_modeBox->addItems(modes);
    m_modeBox->setCurrentIndex(
        ScanChoices::modeIndex(modes, m_everOpened ? shownMode : m_session.rememberedMode()));
    m_modeBox->setEnabled(!modes.isEmpty());

    QList<int> dpis;
    if (const ScanOption *resolution =
            ScanChoices::find(options, QStringLiteral(SANE_NAME_SCAN_RESOLUTION)))
        dpis = ScanChoices::resolutions(*resolution);
    m_resolutionBox->clear();
    for (int dpi : dpis)
        m_resolutionBox->addItem(tr("%1 dpi").arg(dpi), dpi);
    m_resolutionBox->setCurrentIndex(ScanChoices::resolutionIndex(
        dpis, m_everOpened ? shownDpi : m_session.rememberedResolution()));
    m_resolutionBox->setEnabled(!dpis.isEmpty());

    m_options->setResolution(m_resolutionBox->currentData().toDouble());
    m_options->setOptions(options);
    const bool firstOpen = !std::exchange(m_everOpened, true);
    if (firstOpen)
        m_options->fitWindow(); // the settings arrived after the dialog was shown
    m_next = Next::Scan;
    if (std::exchange(m_scanAfterOpen, false)) {
        onEnter(); // Retry: opened afresh, and on with the scan, which sets the choices
        return;
    }
    restoreChoices(options, firstOpen);
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    m_scanButton->setEnabled(true);
    m_scanButton->setFocus();
}

void ScanDialog::restoreChoices(const QList<ScanOption> &options, bool firstOpen)
{
    ScanSession::DeviceChoices &choices = m_session.deviceChoices(m_session.currentDevice());
    for (auto &choice : choices.options) {
        const ScanOption *option = ScanChoices::find(options, choice.first);
        if (!option || !option->value.isValid() || option->value == choice.second)
            continue;
        if (firstOpen)
            m_toSet.append(choice); // a fresh helper: the device has its defaults
        else if (choice.first == m_lastSet)
            choice.second = option->value; // what the device took is what is remembered
    }
    if (!firstOpen)
        return;
    // The paper size last; its area is sent from the panel.
    QSignalBlocker block(m_options);
    if (choices.paperSize == ScanOptionsPanel::customName())
        m_options->setCustomArea(choices.customArea);
    else if (!choices.paperSize.isEmpty())
        m_options->choosePaperSize(choices.paperSize);
    // Sent even for the whole area: the device starts at an area of its own,
    // and what is shown must be what it will scan.
    m_toSet += m_options->areaValues();
}

void ScanDialog::onOptionChanged(const QString &name, const QVariant &value)
{
    if (ScanArea::isCornerOption(name)) {
        rememberArea();
    } else if (value.isValid()) {
        // Remembered in the order chosen, so a setting that depends on
        // another (the source before its own options) is set after it.
        auto &remembered = m_session.deviceChoices(m_session.currentDevice()).options;
        remembered.removeIf([&](const auto &choice) { return choice.first == name; });
        remembered.append({name, value});
    }
    m_toSet.removeIf([&](const auto &queued) { return queued.first == name && value.isValid(); });
    m_toSet.append({name, value});
    if (!m_setting && !m_session.isBusy())
        sendNextOption();
}

void ScanDialog::rememberArea()
{
    ScanSession::DeviceChoices &choices = m_session.deviceChoices(m_session.currentDevice());
    choices.paperSize = m_options->paperSize();
    choices.customArea = m_options->area();
}

void ScanDialog::sendNextOption()
{
    if (m_toSet.isEmpty())
        return;
    const auto next = m_toSet.takeFirst();
    m_setting = true;
    m_lastSet = next.first;
    m_scanButton->setEnabled(false);
    m_session.setOption(next.first, next.second);
}

void ScanDialog::onEnter()
{
    switch (m_next) {
    case Next::Open:
        m_scanAfterOpen = true;
        openDevice();
        return;
    case Next::KeepWaiting:
        showMessage({});
        m_next = m_afterStall;
        m_scanButton->setEnabled(false);
        m_session.keepWaiting();
        return;
    case Next::Scan:
        break;
    }
    showMessage({});
    setScanning(true);
    m_afterStall = Next::Scan;
    // The device has the choices already, unless its helper was started
    // afresh; they go with the scan, the area last.
    ScannerProtocol::Settings chosen = m_session.deviceChoices(m_session.currentDevice()).options;
    chosen += m_options->areaValues();
    m_session.startScan(m_modeBox->currentText(), m_resolutionBox->currentData().toInt(), chosen);
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
    setScanning(false);
    // The helper closes the device after every scan; Retry opens it afresh,
    // so a scanner that went away and came back is found again.
    m_next = Next::Open;
    if (m_closing || cancelled) {
        QDialog::reject();
        return;
    }
    if (page.isNull()) {
        showMessage(error.isEmpty() ? tr("The scanner sent no picture.") : error);
        offer(tr("&Retry"));
        return;
    }
    m_page = page;
    accept();
}

void ScanDialog::onTrouble(const QString &message)
{
    setScanning(false);
    setProperty("looking", false);
    m_setting = false;
    m_toSet.clear();
    m_next = Next::Open; // Retry starts a fresh helper
    if (m_closing) {
        QDialog::reject();
        return;
    }
    showMessage(message);
    offer(tr("&Retry"));
}

void ScanDialog::onStalled(const QString &message)
{
    setProperty("looking", false);
    if (m_closing)
        return;
    showMessage(message);
    m_next = Next::KeepWaiting;
    offer(tr("&Keep waiting"));
}

void ScanDialog::reject()
{
    if (!m_session.isBusy()) {
        QDialog::reject();
        return;
    }
    if (m_closing)
        return;
    m_closing = true;
    m_cancelButton->setEnabled(false);
    m_scanButton->setEnabled(false);
    showMessage(tr("Stopping the scan…"));
    m_session.cancel();
    if (!m_session.isBusy())
        QDialog::reject();
}
