// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/ui/ScanDialog.h"

#include "copyjob/scan/model/OptionNames.h"
#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/OptionEditors.h"
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
#include <QSignalBlocker>
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
    : QDialog(parent), m_memory(memory), m_pixelTypes(pixelTypes), m_port(session),
      m_flow(m_port, *this, memory)
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

    connectFlow();
    connect(&session, &ScanSession::progress, this, &ScanDialog::onProgress);
    m_flow.open();
}

void ScanDialog::makeStackControls()
{
    m_allSheetsBox = new QCheckBox(tr("&All sheets in the feeder"), this);
    m_allSheetsBox->setObjectName(QStringLiteral("allSheetsBox"));
    m_allSheetsBox->setChecked(true);
    m_allSheetsBox->hide();
    m_copySoFarButton = makeButton(tr("Co&py the pages scanned"), "copySoFarButton", this);
    m_copySoFarButton->setAutoDefault(false);
    m_copySoFarButton->hide();
}

// What the user does goes to the flow; what the flow says is shown.
void ScanDialog::connectFlow()
{
    m_port.answer(m_flow);
    connect(m_scanButton, &QPushButton::clicked, &m_flow, &ScanFlow::enter);
    connect(m_previewButton, &QPushButton::clicked, &m_flow, &ScanFlow::preview);
    connect(m_copySoFarButton, &QPushButton::clicked, &m_flow, &ScanFlow::copyPagesScanned);
    connect(m_allSheetsBox, &QCheckBox::toggled, &m_flow, &ScanFlow::keepAllSheets);
    connect(m_cancelButton, &QPushButton::clicked, this, &ScanDialog::reject);
    connect(m_pane, &PreviewPane::areaDrawn, m_options, &ScanOptionsPanel::setCustomArea);
    connect(m_options, &ScanOptionsPanel::optionChanged, this,
            [this](const QString &name, const QVariant &value) {
                if (ScanArea::isCornerOption(name))
                    m_flow.keepArea(m_options->paperSize(), m_options->area());
                m_flow.chooseOption(name, value);
                followArea();
            });
    connect(m_resolutionBox, &QComboBox::currentIndexChanged, this, [this] {
        m_options->setResolution(m_resolutionBox->currentData().toDouble());
        followArea();
    });
    connect(&m_flow, &ScanFlow::stateChanged, this, &ScanDialog::showState);
    connect(&m_flow, &ScanFlow::messageChanged, this, &ScanDialog::showMessage);
    connect(&m_flow, &ScanFlow::deviceShown, m_deviceLabel, &QLabel::setText);
    connect(&m_flow, &ScanFlow::scanStarting, this, &ScanDialog::scanStarting);
    connect(&m_flow, &ScanFlow::pageArrived, this, &ScanDialog::pageArrived);
    connect(&m_flow, &ScanFlow::finished, this,
            [this](bool accepted) { accepted ? accept() : QDialog::reject(); });
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

void ScanDialog::setControlsEnabled(bool enabled)
{
    m_resolutionBox->setEnabled(enabled && m_resolutionBox->count() > 0);
    m_modeBox->setEnabled(enabled && m_modeBox->count() > 0);
    m_options->setEnabled(enabled);
    m_allSheetsBox->setEnabled(enabled);
    m_pane->setEnabled(enabled);
}

// Every change of the flow's state comes here, and with it what can be pressed.
void ScanDialog::showState(State state, State was)
{
    switch (state) {
    case State::Looking:
    case State::Retrying:
    case State::Scanning:
    case State::Previewing:
        setControlsEnabled(false);
        m_progressBar->setVisible(true);
        if (was != State::Stalled)
            m_progressBar->setRange(0, 0); // busy until the page size is known
        m_cancelButton->setFocus();
        break;
    case State::Setting:
    case State::Ready:
    case State::Failed: // with no device open, nothing to choose until Retry
        setControlsEnabled(state != State::Failed || !m_flow.openFailed());
        m_progressBar->hide();
        break;
    case State::Closing:
        m_cancelButton->setEnabled(false);
        m_copySoFarButton->setEnabled(false);
        break;
    case State::Stopping: // the page under way still comes, and Cancel again stops it now
        m_cancelButton->setFocus();
        break;
    case State::Interrupted:
        setControlsEnabled(false); // the rest of the stack comes as the first pages did
        m_progressBar->hide();
        break;
    case State::Stalled: // what was shown stays
        break;
    }
    const QString offer = m_flow.offer();
    if (!offer.isEmpty()) {
        m_scanButton->setText(offer);
        m_scanButton->setAccessibleName(QString(offer).remove(QLatin1Char('&')));
    }
    m_scanButton->setEnabled(!offer.isEmpty());
    // Scan is where the keyboard goes once the device is open, and to
    // whatever else goes on.
    if (!offer.isEmpty() && (state != State::Ready || was == State::Looking))
        m_scanButton->setFocus();
    const bool keep = m_flow.copyOffered();
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
    m_previewButton->setEnabled(m_flow.state() == State::Ready && !feeder && !options.isEmpty());
    m_allSheetsBox->setVisible(m_flow.stackOffered());
}

void ScanDialog::onProgress(qint64 received, qint64 expected)
{
    if (expected > 0) {
        m_progressBar->setRange(0, 1000);
        m_progressBar->setValue(int(std::min<qint64>(1000, received * 1000 / expected)));
    }
}

void ScanDialog::reject()
{
    m_flow.cancel();
}

QString ScanDialog::mode() const
{
    return m_modeBox->currentData().toString();
}

int ScanDialog::resolution() const
{
    return m_resolutionBox->currentData().toInt();
}

bool ScanDialog::allSheets() const
{
    return m_allSheetsBox->isChecked();
}

ScanSettings ScanDialog::areaValues() const
{
    return m_options->areaValues();
}

// Opened again for a Retry: what is shown stays; the first time, what the
// last scan used.
void ScanDialog::showOpened(const QString &device, const QList<ScanOption> &options, bool first)
{
    const QString shownMode =
        m_modeBox->count() > 0 ? m_modeBox->currentData().toString() : m_memory.mode(device);
    const int shownDpi = m_resolutionBox->count() > 0 ? resolution() : m_memory.resolution(device);
    QList<ScanChoices::ColourMode> modes;
    if (const ScanOption *mode = ScanChoices::find(options, OptionName::mode))
        modes = ScanChoices::offeredModes(*mode, m_pixelTypes);
    m_modeBox->clear();
    for (const ScanChoices::ColourMode &mode : std::as_const(modes))
        m_modeBox->addItem(driverText(mode.label), mode.label);
    m_modeBox->setCurrentIndex(ScanChoices::modeIndex(modes, shownMode));

    QList<int> dpis;
    if (const ScanOption *dpi = ScanChoices::find(options, OptionName::resolution))
        dpis = ScanChoices::resolutions(*dpi);
    m_resolutionBox->clear();
    for (int dpi : dpis)
        m_resolutionBox->addItem(tr("%1 dpi").arg(dpi), dpi);
    m_resolutionBox->setCurrentIndex(ScanChoices::resolutionIndex(dpis, shownDpi));

    m_options->setResolution(m_resolutionBox->currentData().toDouble());
    m_options->setOptions(options);
    if (!first)
        return;
    const QSignalBlocker quiet(m_allSheetsBox);
    m_allSheetsBox->setChecked(m_memory.choices(device).allSheets);
    m_pane->setPicture(m_memory.preview(device));
    m_options->fitWindow(); // the settings arrived after the dialog was shown
}

void ScanDialog::showOptions(const QList<ScanOption> &options)
{
    m_options->setOptions(options);
}

bool ScanDialog::showPaper(const QString &paperSize, const QRectF &customArea)
{
    // Put back as they were, not chosen anew: the flow sends the area itself.
    const QSignalBlocker block(m_options);
    if (paperSize == ScanArea::customKey())
        m_options->setCustomArea(customArea);
    else if (!paperSize.isEmpty())
        return m_options->choosePaperSize(paperSize);
    return true;
}

void ScanDialog::showPreview(const QImage &picture)
{
    m_pane->setPicture(picture);
}
