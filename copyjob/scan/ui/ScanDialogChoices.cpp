// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the scan dialog shows of the device's choices, and how the user's
// changes and the kept ones reach the device, one setting at a time.
#include "copyjob/scan/model/OptionNames.h"
#include "copyjob/scan/session/ScanMemory.h"
#include "copyjob/scan/session/ScanSession.h"
#include "copyjob/scan/ui/ScanChoices.h"
#include "copyjob/scan/ui/ScanDialog.h"
#include "copyjob/scan/ui/ScanOptionsPanel.h"

#include <QComboBox>
#include <QSignalBlocker>

void ScanDialog::showChoices(const QList<ScanOption> &options)
{
    // Opened again for a Retry: what is shown stays; the first time, what the
    // last scan used.
    const QString device = m_session.currentDevice();
    const QString shownMode =
        m_modeBox->count() > 0 ? m_modeBox->currentText() : m_memory.mode(device);
    const int shownDpi = m_resolutionBox->count() > 0 ? m_resolutionBox->currentData().toInt()
                                                      : m_memory.resolution(device);
    QList<ScanChoices::ColourMode> modes;
    if (const ScanOption *mode = ScanChoices::find(options, OptionName::mode))
        modes = ScanChoices::offeredModes(*mode, m_pixelTypes);
    m_modeBox->clear();
    for (const ScanChoices::ColourMode &mode : std::as_const(modes))
        m_modeBox->addItem(mode.label);
    m_modeBox->setCurrentIndex(ScanChoices::modeIndex(modes, shownMode));

    QList<int> dpis;
    if (const ScanOption *resolution = ScanChoices::find(options, OptionName::resolution))
        dpis = ScanChoices::resolutions(*resolution);
    m_resolutionBox->clear();
    for (int dpi : dpis)
        m_resolutionBox->addItem(tr("%1 dpi").arg(dpi), dpi);
    m_resolutionBox->setCurrentIndex(ScanChoices::resolutionIndex(dpis, shownDpi));

    m_options->setResolution(m_resolutionBox->currentData().toDouble());
    m_options->setOptions(options);
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
    ScanSettings fitting;
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
    followArea();
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

// The dialog's own choices are kept once a scan is made with them, even
// when the page fails: the next copy, or a Retry, scans with them.
void ScanDialog::takeScanChoices()
{
    m_memory.setScanChoices(m_session.currentDevice(), m_modeBox->currentText(),
                            m_resolutionBox->currentData().toInt());
}
