// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"
#include "harness/TestSupport.h"

class frmMain;

// Drives the panel's Copy command like a user, for suites and benchmarks that
// run the real command in-process; the message boxes and dialogs it shows are
// answered with TestSupport's helpers.

// Clicks the switches until they select route.
void setCopyRoute(frmMain &form, CopyRoute route);
