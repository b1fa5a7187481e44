// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/KeyboardFocus.h"

#include <QFocusEvent>
#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kProperty[] = "keyboardInUse";

} // namespace

bool KeyboardInUse(const QWidget &widget)
{
    return widget.window()->property(kProperty).toBool();
}

void SetKeyboardInUse(QWidget &widget, bool inUse)
{
    QWidget *window = widget.window();
    if (KeyboardInUse(widget) == inUse)
        return;
    window->setProperty(kProperty, inUse);
    if (QWidget *focused = window->focusWidget())
        focused->update();
}

void NoteFocusIn(QWidget &widget, const QFocusEvent &event)
{
    if (event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason)
        SetKeyboardInUse(widget, true);
    widget.update();
}

bool ShowsFocusMark(const QWidget &widget)
{
    return widget.hasFocus() && KeyboardInUse(widget);
}

void DrawFocusMark(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}
