// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ScannerLayer;

// Opens the About dialog, or brings the open one to the front unchanged.
// There is at most one About dialog at a time, whichever menu opened it.
void OpenAbout(ScannerLayer &scanner);
