// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What an operation that can fail hands back to the command that called it.
// No exception crosses an event handler: the command shows the message itself.
// The words are the user's, and may be translated: a caller that must tell
// one failure from another branches on the code, never on the words.
struct Outcome
{
    enum class Code {
        None,           // a failure no caller needs to tell apart
        Cancelled,      // the user stopped it
        DiskFull,       // no room left on the disk
        NoPrinter,      // no printer to print on
        DeviceStatus,   // the scanner answered with a status; `detail` says which
        DriverStopped,  // the scanner's driver ended; `detail` is the signal, 0 for an exit
        ConnectionLost, // the connection to a network scanner closed
    };

    bool ok = true;
    // Plain words for the user: why it failed, or on success an optional notice
    // (a paused printer holding the job, say).
    QString message;
    Code code = Code::None;
    int detail = 0;

    static Outcome success(const QString &notice = {}) { return {true, notice}; }
    static Outcome failure(const QString &why, Code code = Code::None, int detail = 0)
    {
        return {false, why, code, detail};
    }
    // A failure of this kind.
    bool is(Code kind) const { return !ok && code == kind; }
};
