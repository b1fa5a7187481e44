// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a copy goes: what the panel's two output switches say and what the
// Copy command does with the page.
enum class CopyRoute { AskForPrinter, PrintToDefault, Save };
