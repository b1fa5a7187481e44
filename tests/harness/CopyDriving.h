// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/CopyRoute.h"
#include "harness/TestSupport.h"

#include <QCoreApplication>

class frmMain;

// Drives the panel's Copy command like a user, for suites and benchmarks that
// run the real command in-process.

// Records the text of every message box the program shows and closes it with
// OK. A box that is not the program's one kind (title "Mirel", no icon, one
// button) is recorded with the prefix "NOT PLAIN: ".
class MessageWatcher : public QObject
{
public:
    QStringList texts;
    MessageWatcher() { qApp->installEventFilter(this); }
    ~MessageWatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// In a save dialog: types name and presses Enter.
void saveAs(QDialog &saveDialog, const QString &name);

// Clicks the switches until they select route.
void setCopyRoute(frmMain &form, CopyRoute route);
