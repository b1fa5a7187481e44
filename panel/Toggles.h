// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"

class LabelButton;

// The two output-mode switches keep their state in the label itself: checked
// or not, shown by the Tag text "True" or "False" and the text colour.

// Flips a switch label; a label whose tag is neither "True" nor "False" is left alone.
void ToggleOption(LabelButton &label);
// Switches a label off whatever its tag was.
void ClearOption(LabelButton &label);

void PrintToDefaultClick(LabelButton &lblPrintToDefault, LabelButton &lblSave);
void SaveClick(LabelButton &lblSave, LabelButton &lblPrintToDefault);

// The route the switches name. A switch whose tag is neither "True" nor
// "False" counts as off, and then the user is asked for a printer rather than
// a copy going to the default printer unasked.
CopyRoute RouteFromSwitches(const LabelButton &lblPrintToDefault, const LabelButton &lblSave);
