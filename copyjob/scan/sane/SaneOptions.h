// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/sane/SaneApi.h"
#include "copyjob/scan/sane/ScanOption.h"

#include <QList>
#include <QString>
#include <QVariant>

// Every option of an open SANE handle as plain values, in the driver's
// order, each with the title of the group it stands in and its value when
// the driver lets it be read. The option count and the groups themselves
// are left out.
QList<ScanOption> readScanOptions(const SaneApi &api, SANE_Handle handle);

// Sets one option by name: a bool, int, double (fixed) or QString, a
// QVariantList for an array (a single value fills every element), nothing
// for a button. info receives the driver's SANE_INFO_* answer: inexact,
// reload options, reload parameters.
Outcome writeScanOption(const SaneApi &api, SANE_Handle handle, const QString &name,
                        const QVariant &value, int *info = nullptr);
