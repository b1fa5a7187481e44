// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/PageClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void PutPageOnClipboard(const QImage &page)
{
    QGuiApplication::clipboard()->setImage(page);
}
