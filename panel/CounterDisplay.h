// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panel/Counters.h"

#include <QWidget>

class QMenu;

// A lit display as the keyboard and assistive technology reach it. The window
// paints the glyphs and takes the mouse presses; this widget lies over the
// display's hot zone, lets the mouse through and draws nothing but the focus
// mark. Up or +, Down or - count as a left or right press would; the Menu key
// or Shift+F10 opens the step menu.
class CounterDisplay : public QWidget
{
    Q_OBJECT

public:
    CounterDisplay(Counters &counters, Counters::Display display, QWidget *parent = nullptr);

    Counters::Display display() const { return m_display; }
    qint16 value() const { return m_counters.value(m_display); }
    // The value as the display reads it aloud: "1", "100 %".
    QString valueText() const;

    void setStepMenu(QMenu *menu) { m_menu = menu; }
    void openStepMenu();

    // One up or down through the counters, clamped as a mouse press is.
    void raise();
    void lower();
    // Steps one at a time towards value, so the limits hold as for the mouse.
    void stepTo(int value);

    // The window repaints the display after the counter it shows changed,
    // whoever changed it; this tells assistive technology.
    void announceValue();

signals:
    void changed(Counters::Display display);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void step(bool up);

    Counters &m_counters;
    Counters::Display m_display;
    QMenu *m_menu = nullptr;
};
