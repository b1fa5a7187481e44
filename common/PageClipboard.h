// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;

// Puts a scanned page on the system clipboard, where it stays for other
// programs to paste.
void PutPageOnClipboard(const QImage &page);
