// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

// Qt's notes about what the offscreen platform cannot do are not results:
// a benchmark's child installs this before its QApplication.
inline void QuietOffscreenMessages(QtMsgType type, const QMessageLogContext &,
                                   const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
