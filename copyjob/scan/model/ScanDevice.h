// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// One scanner as its driver lists it.
struct ScanDevice
{
    QString name; // the driver's name, e.g. "test:0"; tells two identical scanners apart
    QString vendor;
    QString model;
    QString type;
    // Reached over the network rather than a cable, as the helper reads it
    // from the driver's name: what to check when it stops answering differs.
    bool networked = false;

    // "vendor model (name)", as the user sees it.
    QString displayName() const;

    bool operator==(const ScanDevice &) const = default;
};

// Option values by name, in the order they are set on the device.
using ScanSettings = QList<QPair<QString, QVariant>>;
