// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QFocusEvent;
class QPainter;
class QRect;
class QWidget;

// Where the keyboard focus is shows only while the keyboard is in use: from a
// Tab or a key press in the panel until the next mouse press on it. A user who
// only clicks sees the panel unmarked. The state is the window's, kept on it.
bool KeyboardInUse(const QWidget &widget);
void SetKeyboardInUse(QWidget &widget, bool inUse);

// Called from a panel control's focusInEvent: focus that Tab or Shift+Tab
// moved means the keyboard is in use.
void NoteFocusIn(QWidget &widget, const QFocusEvent &event);

// True when widget has the focus and the mark is to be drawn.
bool ShowsFocusMark(const QWidget &widget);

// A one-pixel frame just inside rect.
void DrawFocusMark(QPainter &painter, const QRect &rect, const QColor &color);
