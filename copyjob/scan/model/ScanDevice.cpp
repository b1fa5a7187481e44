// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/model/ScanDevice.h"

QString ScanDevice::displayName() const
{
    QString label = QStringLiteral("%1 %2").arg(vendor, model).simplified();
    if (label.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(label, name);
}
