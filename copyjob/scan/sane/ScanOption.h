// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One option of a scanner as its driver describes it, with its current value:
// what the scan dialog needs to show it and what crosses between Mirel and the
// process that runs the driver. Plain values only, so it can be copied, sent
// and compared; the driver's own numbering is not kept, because setting one
// option may make a driver renumber the others.
struct ScanOption
{
    enum class Type { Bool, Int, Fixed, String, Button, Group };
    enum class Constraint { None, Range, WordList, StringList };

    QString name; // empty for a group
    QString title;
    QString description;
    QString group; // title of the group it stands in; empty before the first
    Type type = Type::Int;
    int unit = 0;         // SANE_Unit: none, pixel, bit, mm, dpi, percent, microsecond
    int count = 1;        // number of values: arrays of ints or fixeds have more than one
    int capabilities = 0; // SANE_CAP_* bits

    Constraint constraint = Constraint::None;
    double minimum = 0, maximum = 0, quant = 0; // Range; fixeds as real numbers
    QList<double> words;                        // WordList
    QStringList strings;                        // StringList

    // bool, int, double (fixed) or QString; a QVariantList for an array;
    // invalid for a button, a group or an inactive option.
    QVariant value;

    bool operator==(const ScanOption &) const = default;
};
