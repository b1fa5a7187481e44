// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/Outcome.h"
#include "copyjob/scan/session/ScanMemory.h"

#include <QMap>
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
// a clean file.
//
// Two Mirels may run at once: save() reads, merges and writes under a lock
// file beside it (scanner.conf.lock), and keeps what the other wrote since
// this one last read or wrote the file: its devices, and its choices for a
// device this one has not changed since. The file is replaced whole, so a
// reader never sees half of it; a symbolic link stays one, and its target is
// replaced. A file without write permission is the user's to keep as it is:
// it is read and never written.
class ScanSettingsFile
{
public:
    static constexpr int kVersion = 1;

    explicit ScanSettingsFile(QString path = defaultPath()) : m_path(std::move(path)) {}
    static QString defaultPath();
    QString path() const { return m_path; }

    // Adds what the file holds to memory; returns the device chosen, or empty.
    QString load(ScanMemory &memory);
    // Keeps memory's choices and the device chosen, merged with what another
    // Mirel kept meanwhile; says in words why they could not be kept.
    Outcome save(const ScanMemory &memory, const QString &chosen);

    // A value as the file holds it, and back as far as it can be read; the
    // device's option says what type it really is.
    static QString text(const QVariant &value);

private:
    // A device's keys and values as the file holds them, and the devices by name.
    using Entry = QMap<QString, QString>;
    using Entries = QMap<QString, Entry>;

    static Entries entriesOf(const ScanMemory &memory);
    static QString readInto(const QString &path, ScanMemory &memory);
    static Outcome write(const QString &path, const Entries &devices, const QString &chosen);
    Outcome cannot(const QString &why) const;

    QString m_path;
    // The choices as this run last read or wrote them: what it did not
    // change since is another Mirel's to change.
    Entries m_synced;
    QString m_syncedChosen;
};
