// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/session/ScanMemory.h"

#include <QString>

// The scanner's choices kept from one run to the next, in an INI file in the
// user's configuration folder (~/.config/Mirel/scanner.conf): the device
// chosen, and for each device what it is, its mode, resolution, paper size
// or custom area and the options chosen on it.
//
// The file is the user's to edit or break: it is read value by value, and a
// value that does not read as what it should be is left out, the rest still
// taken; whether an option's value fits the device is for the device to say
// when it is open. save() writes every value afresh, so the next scan leaves
// a clean file; QSettings locks the file and replaces it whole, so two Mirels
// at once cannot leave half of one's file and half of the other's.
class ScanSettingsFile
{
public:
    static constexpr int kVersion = 1;

    explicit ScanSettingsFile(QString path = defaultPath()) : m_path(std::move(path)) {}
    static QString defaultPath();
    QString path() const { return m_path; }

    // Adds what the file holds to memory; returns the device chosen, or empty.
    QString load(ScanMemory &memory) const;
    // Empty once written; else why not, in words.
    QString save(const ScanMemory &memory, const QString &chosen) const;

    // A value as the file holds it, and back as far as it can be read; the
    // device's option says what type it really is.
    static QString text(const QVariant &value);

private:
    QString m_path;
};
