// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

// The program's one kind of message: OK only, no icon, titled with the
// application's title. Returns when the user has closed it.
void MsgBox(QWidget *parent, const QString &text);

// The same kind of box asking a question, with Yes and No (the default, and
// what Esc answers). True for Yes.
bool MsgAsk(QWidget *parent, const QString &text);
