// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"

#include <QColor>

class QObject;
class QString;

// The two output-mode switches keep their state in the label itself: the Tag
// text "True" or "False", shown by the text colour.
inline const QColor kToggleOnColor{0, 255, 0};
inline const QColor kToggleOffColor{0, 128, 0};

// Flips a switch label; a label whose tag is neither "True" nor "False" is left alone.
void ToggleOption(QObject &label);
// Switches a label off whatever its tag was.
void ClearOption(QObject &label);

void PrintToDefaultClick(QObject &lblPrintToDefault, QObject &lblSave);
void SaveClick(QObject &lblSave, QObject &lblPrintToDefault);

// The route the switches' tags name. Only a tag of exactly "True" switches a
// route on; anything else counts as off, and then the user is asked for a
// printer rather than a copy going to the default printer unasked.
CopyRoute RouteFromTags(const QString &printToDefaultTag, const QString &saveTag);
