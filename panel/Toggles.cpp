// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/Toggles.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace {

QString tagOf(const QObject &label)
{
    return label.property("Tag").toString();
}

} // namespace

void ToggleOption(QObject &label)
{
    const QString tag = tagOf(label);
    if (tag == QLatin1String("False")) {
        label.setProperty("ForeColor", kToggleOnColor);
        label.setProperty("Tag", QStringLiteral("True"));
    } else if (tag == QLatin1String("True")) {
        label.setProperty("ForeColor", kToggleOffColor);
        label.setProperty("Tag", QStringLiteral("False"));
    }
}

void ClearOption(QObject &label)
{
    label.setProperty("Tag", QStringLiteral("False"));
    label.setProperty("ForeColor", kToggleOffColor);
}

void PrintToDefaultClick(QObject &lblPrintToDefault, QObject &lblSave)
{
    ToggleOption(lblPrintToDefault);
    if (tagOf(lblPrintToDefault) == QLatin1String("True"))
        ClearOption(lblSave);
}

void SaveClick(QObject &lblSave, QObject &lblPrintToDefault)
{
    ToggleOption(lblSave);
    if (tagOf(lblSave) == QLatin1String("True"))
        ClearOption(lblPrintToDefault);
}

CopyRoute RouteFromTags(const QString &printToDefaultTag, const QString &saveTag)
{
    const QLatin1String on("True");
    if (saveTag == on)
        return CopyRoute::Save;
    if (printToDefaultTag == on)
        return CopyRoute::PrintToDefault;
    return CopyRoute::AskForPrinter;
}
