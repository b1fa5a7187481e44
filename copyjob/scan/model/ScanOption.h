// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The kinds of picture a scan gives, as bits: a caller names those it takes
// (none: any), and each colour mode of a scanner gives one of them, or none
// that its driver's name tells. The bits are the pixel types of the TWAIN
// calls the program is described with.
enum class PixelType : quint8 { LineArt = 1, Grey = 2, Colour = 4 };
Q_DECLARE_FLAGS(PixelTypes, PixelType)
Q_DECLARE_OPERATORS_FOR_FLAGS(PixelTypes)

// One option of a scanner as its driver describes it, with its current value:
// what the scan dialog needs to show it and what crosses between Mirel and the
// process that runs the driver. Plain values only, so it can be copied, sent
// and compared; the driver's own numbering is not kept, because setting one
// option may make a driver renumber the others.
struct ScanOption
{
    enum class Type { Bool, Int, Fixed, String, Button, Group };
    enum class Constraint { None, Range, WordList, StringList };
    enum class Unit : quint8 { None, Pixel, Bit, Millimetre, Dpi, Percent, Microsecond };
    enum class Capability : quint8 {
        Settable = 1,    // the program may set it
        SetOnDevice = 2, // set by a switch or button on the scanner itself
        Inactive = 4,    // of no effect now (another option turned it off)
        Advanced = 8,    // for those who look for it, not the first view
    };
    Q_DECLARE_FLAGS(Capabilities, Capability)

    QString name; // empty for a group
    QString title;
    QString description;
    QString group; // title of the group it stands in; empty before the first
    Type type = Type::Int;
    Unit unit = Unit::None;
    int count = 1; // number of values: arrays of ints or fixeds have more than one
    Capabilities capabilities;

    Constraint constraint = Constraint::None;
    double minimum = 0, maximum = 0, quant = 0; // Range; fixeds as real numbers
    QList<double> words;                        // WordList
    QStringList strings;                        // StringList
    // The colour mode only: the kind of picture each of strings gives, in the
    // same order, as the helper reads it from the driver's names.
    QList<PixelTypes> kinds;

    // bool, int, double (fixed) or QString; a QVariantList for an array;
    // invalid for a button, a group or an inactive option.
    QVariant value;

    bool operator==(const ScanOption &) const = default;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(ScanOption::Capabilities)
