// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanMemory.h"

#include <algorithm>

QString ScanMemory::mode(const QString &device) const
{
    const QString own = m_choices.value(device).mode;
    return own.isEmpty() ? m_lastMode : own;
}

int ScanMemory::resolution(const QString &device) const
{
    const int own = m_choices.value(device).resolution;
    return own > 0 ? own : m_lastResolution;
}

void ScanMemory::setScanChoices(const QString &device, const QString &mode, int dpi)
{
    m_lastMode = mode;
    m_lastResolution = dpi;
    DeviceChoices &choices = m_choices[device];
    choices.mode = mode;
    choices.resolution = dpi;
}

ScanDevice ScanMemory::identity(const QString &device) const
{
    return m_identities.value(device, ScanDevice{device, {}, {}, {}});
}

QString ScanMemory::findAgain(const QList<ScanDevice> &listed, const QString &chosen)
{
    const auto isListed = [&](const QString &name) {
        return std::any_of(listed.cbegin(), listed.cend(),
                           [&](const ScanDevice &d) { return d.name == name; });
    };
    QString found = isListed(chosen) ? chosen : QString();
    // The chosen device first: it is the one the next scan is from.
    QStringList gone = devices();
    gone.removeIf(isListed);
    std::stable_partition(gone.begin(), gone.end(), [&](const QString &d) { return d == chosen; });
    for (const QString &old : gone) {
        const ScanDevice was = identity(old);
        if (was.vendor.isEmpty() && was.model.isEmpty())
            continue; // nothing to know it by
        for (const ScanDevice &now : listed) {
            if (m_choices.contains(now.name) || now.vendor != was.vendor ||
                now.model != was.model || now.type != was.type)
                continue;
            m_choices.insert(now.name, m_choices.take(old));
            m_identities.remove(old);
            setIdentity(now);
            if (old == chosen)
                found = now.name;
            break;
        }
    }
    return found;
}

void ScanMemory::chooseOption(const QString &device, const QString &name, const QVariant &value)
{
    auto &options = m_choices[device].options;
    options.removeIf([&](const auto &choice) { return choice.first == name; });
    options.append({name, value});
}

void ScanMemory::takeValue(const QString &device, const QString &name, const QVariant &value)
{
    for (auto &choice : m_choices[device].options)
        if (choice.first == name)
            choice.second = value;
}

void ScanMemory::chooseArea(const QString &device, const QString &paperSize,
                            const QRectF &customArea)
{
    DeviceChoices &choices = m_choices[device];
    choices.paperSize = paperSize;
    choices.customArea = customArea;
}
