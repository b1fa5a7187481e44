// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/session/ScanMemory.h"

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
