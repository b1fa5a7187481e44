// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
class ScannerLayer;

// The Select Source command.
void SelectSourceClick(QWidget *mainWindow, ScannerLayer &scanner);
