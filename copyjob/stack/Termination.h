// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Asked to end (logging out, a kill, Ctrl+C in a terminal), the program ends
// as after Exit: every loop it runs leaves, the dialogs of a copy under way
// included, so the pages spooled for that copy go with it. The signal handler
// only writes a byte into a pipe; the event loop does the rest.
void QuitOnTermination(QCoreApplication &app);
