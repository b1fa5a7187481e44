// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The scan flow's settings: the user's changes and the kept ones reach the
// device one at a time, and what was kept is fitted to the device first.
#include "copyjob/scan/ui/ScanArea.h"
#include "copyjob/scan/ui/ScanChoices.h"
#include "copyjob/scan/ui/ScanFlow.h"

void ScanFlow::keepAllSheets(bool on)
{
    const QString device = m_session.currentDevice();
    ScanMemory::DeviceChoices choices = m_memory.choices(device);
    choices.allSheets = on;
    m_memory.setChoices(device, choices);
}

void ScanFlow::keepArea(const QString &paperSize, const QRectF &areaMm)
{
    m_memory.chooseArea(m_session.currentDevice(), paperSize, areaMm);
}

void ScanFlow::chooseOption(const QString &name, const QVariant &value)
{
    if (!ScanArea::isCornerOption(name) && value.isValid())
        m_memory.chooseOption(m_session.currentDevice(), name, value);
    m_toSet.removeIf([&](const auto &queued) { return queued.first == name && value.isValid(); });
    m_toSet.append({name, value});
    // Otherwise it follows the setting or reply under way.
    if (m_state == State::Ready || m_state == State::Failed)
        sendNextOption();
}

void ScanFlow::sendNextOption()
{
    if (m_toSet.isEmpty())
        return;
    const auto next = m_toSet.takeFirst();
    m_lastSet = next.first;
    setState(State::Setting);
    m_session.setOption(next.first, next.second);
}

void ScanFlow::optionSet(const Outcome &outcome, const QList<ScanOption> &options)
{
    if (flow() != State::Setting)
        return;
    if (options.isEmpty()) { // no device open any more: Retry opens it
        m_toSet.clear();
        showOpenFailure(outcome.message);
        return;
    }
    // The device answers every setting with all its options: a change may
    // have made others appear or change range (reload), and the value it
    // took may not be the one asked for (inexact).
    m_options = options;
    m_view.showOptions(options);
    restoreChoices(options, false);
    say(outcome.message);
    m_lastSet.clear();
    if (!m_toSet.isEmpty()) {
        sendNextOption();
        return;
    }
    setState(State::Ready);
}

void ScanFlow::restoreChoices(const QList<ScanOption> &options, bool firstOpen)
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
    // The paper size last; its area is sent from the dialog.
    if (!m_view.showPaper(choices.paperSize, choices.customArea))
        m_memory.chooseArea(device, {}, {}); // no longer offered: the whole area
    // Sent even for the whole area: the device starts at an area of its own,
    // and what is shown must be what it will scan.
    m_toSet += m_view.areaValues();
}

// Choices kept from an earlier run may no longer fit the device (another
// driver version, a hand-edited file): each one that does not is forgotten,
// and the device keeps its own value for it.
ScanMemory::DeviceChoices ScanFlow::fittingChoices(const QList<ScanOption> &options)
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
    const QRectF bed = ScanArea(options).bed(m_view.resolution());
    choices.paperSize = ScanArea::keyOf(choices.paperSize);
    if (choices.paperSize == ScanArea::customKey() &&
        !bed.adjusted(-0.5, -0.5, 0.5, 0.5).contains(choices.customArea))
        choices.paperSize.clear(); // off the glass: the whole area
    if (choices.paperSize != ScanArea::customKey())
        choices.customArea = {};
    m_memory.setChoices(device, choices);
    return choices;
}
