// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/CopyDriving.h"

#include "app/frmMain.h"
#include "panel/LabelButton.h"

#include <QTest>

void setCopyRoute(frmMain &form, CopyRoute route)
{
    // Each switch turns the other off when it goes on.
    const auto set = [](LabelButton *label, bool on) {
        if ((label->tag() == QLatin1String("True")) != on)
            QTest::mouseClick(label, Qt::LeftButton);
    };
    set(form.lblPrintToDefault, route == CopyRoute::PrintToDefault);
    set(form.lblSave, route == CopyRoute::Save);
}
