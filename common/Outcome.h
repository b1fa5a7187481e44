// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What an operation that can fail hands back to the command that called it.
// No exception crosses an event handler: the command shows message itself.
struct Outcome
{
    bool ok = true;
    // Plain words for the user: why it failed, or on success an optional notice
    // (a paused printer holding the job, say).
    QString message;

    static Outcome success(const QString &notice = {}) { return {true, notice}; }
    static Outcome failure(const QString &why) { return {false, why}; }
};
