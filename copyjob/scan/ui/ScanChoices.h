// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanOption.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The scan dialog's choice rules, as plain functions of what the device
// describes, so each rule can be tried on devices no test scanner imitates.
namespace ScanChoices {

// A colour mode as the driver names it, with the kind of picture it gives.
struct ColourMode
{
    QString label;
    PixelTypes kind; // none when the driver's name tells nothing
};

// The device's colour modes (its mode option) that a caller taking
// pixelTypes (none: any) is offered. Modes of an unknown kind stay; when
// nothing would be left, every mode stays.
QList<ColourMode> offeredModes(const ScanOption &mode, PixelTypes pixelTypes);
// Index of the mode to show: the one remembered, else colour, else the first.
int modeIndex(const QList<ColourMode> &modes, const QString &remembered);
// Resolutions to offer: the device's list, or the usual steps within its
// range, or just the current value when it has no constraint.
QList<int> resolutions(const ScanOption &resolution);
// Index of the resolution to show: the one remembered, else the nearest to
// preferred (the lower one on a tie); -1 for an empty list.
int resolutionIndex(const QList<int> &dpis, int remembered, int preferred = 300);

// The resolution a quick look at the whole bed is taken at: the offered
// value nearest to 50 to 75 dpi (the higher within it); 0 when the device
// has no resolution to set.
int previewResolution(const ScanOption &resolution);
// Whether the source chosen takes its sheets from a document feeder.
bool isFeederSource(const QList<ScanOption> &options);
// Whether the device names the source chosen as one that scans both sides
// of each sheet ("ADF Duplex", "Duplex", "ADF Front and Back"...).
bool isDuplexSource(const QList<ScanOption> &options);
// A value kept for an option, as the option's own type when it reads as one
// and lies within its constraint (range and step, list, count of values);
// invalid otherwise, and the device keeps its own value.
QVariant fitted(const ScanOption &option, const QVariant &kept);

const ScanOption *find(const QList<ScanOption> &options, const QString &name);

} // namespace ScanChoices
