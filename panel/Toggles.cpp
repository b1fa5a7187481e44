// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/Toggles.h"

#include "panel/LabelButton.h"

void ToggleOption(LabelButton &label)
{
    if (label.hasStateTag())
        label.setChecked(!label.isChecked());
}

void ClearOption(LabelButton &label)
{
    label.setChecked(false);
}

void PrintToDefaultClick(LabelButton &lblPrintToDefault, LabelButton &lblSave)
{
    ToggleOption(lblPrintToDefault);
    if (lblPrintToDefault.isChecked())
        ClearOption(lblSave);
}

void SaveClick(LabelButton &lblSave, LabelButton &lblPrintToDefault)
{
    ToggleOption(lblSave);
    if (lblSave.isChecked())
        ClearOption(lblPrintToDefault);
}

CopyRoute RouteFromSwitches(const LabelButton &lblPrintToDefault, const LabelButton &lblSave)
{
    if (lblSave.isChecked())
        return CopyRoute::Save;
    if (lblPrintToDefault.isChecked())
        return CopyRoute::PrintToDefault;
    return CopyRoute::AskForPrinter;
}
