// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanError.h"
#include "copyjob/scan/model/ScanOption.h"
#include "copyjob/scan/sane/SaneApi.h"

#include <QList>
#include <QString>
#include <QVariant>

// Every option of an open SANE handle as plain values, in the driver's
// order, each with the title of the group it stands in and its value when
// the driver lets it be read. The option count and the groups themselves
// are left out. Each colour mode gets its kind (pixelTypeOfMode).
QList<ScanOption> readScanOptions(const SaneApi &api, SANE_Handle handle);

// Sets one option by name: a bool, int, double (fixed) or QString, a
// QVariantList for an array (a single value fills every element), nothing
// for a button. info receives the driver's SANE_INFO_* answer: inexact,
// reload options, reload parameters.
ScanError writeScanOption(const SaneApi &api, SANE_Handle handle, const QString &name,
                          const QVariant &value, int *info = nullptr);

// The kind of picture a colour mode gives, by the names SANE gives its modes
// and the words drivers use in their own; none when the name tells nothing.
PixelTypes pixelTypeOfMode(const QString &mode);
