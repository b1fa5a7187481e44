// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/CounterDisplay.h"

#include "panel/GlyphDisplay.h"
#include "panel/KeyboardFocus.h"
#include "panel/LabelButton.h"
#include "panel/PanelAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

CounterDisplay::CounterDisplay(Counters &counters, Counters::Display display, QWidget *parent)
    : QWidget(parent), m_counters(counters), m_display(display)
{
    InstallPanelAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::TabFocus);
    // The cells of the longest value: "99", "200%".
    const int cells = display == Counters::Display::Scale ? 4 : 2;
    setGeometry(QRect(Counters::origin(display), QSize(cells * kGlyphWidth, kGlyphHeight)));
}

QString CounterDisplay::valueText() const
{
    const QString digits = QString::number(value());
    return m_display == Counters::Display::Scale ? digits + QStringLiteral(" %") : digits;
}

void CounterDisplay::openStepMenu()
{
    if (m_menu)
        m_menu->popup(mapToGlobal(rect().bottomLeft()));
}

void CounterDisplay::raise()
{
    step(true);
}

void CounterDisplay::lower()
{
    step(false);
}

void CounterDisplay::stepTo(int target)
{
    while (value() != target &&
           (value() < target ? m_counters.raise(m_display) : m_counters.lower(m_display)))
        ;
    emit changed(m_display);
}

void CounterDisplay::step(bool up)
{
    if (up ? m_counters.raise(m_display) : m_counters.lower(m_display))
        emit changed(m_display);
}

void CounterDisplay::announceValue()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, int(value()));
    QAccessible::updateAccessibility(&event);
}

void CounterDisplay::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // + needs Shift on many layouts; the keypad's keys count alike.
    const bool plain =
        (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    SetKeyboardInUse(*this, true);
    if (plain && (key == Qt::Key_Up || key == Qt::Key_Plus))
        raise();
    else if (plain && (key == Qt::Key_Down || key == Qt::Key_Minus))
        lower();
    else if (IsMenuKey(*event))
        openStepMenu();
    else
        return QWidget::keyPressEvent(event);
    event->accept();
}

void CounterDisplay::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    NoteFocusIn(*this, *event);
}

void CounterDisplay::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CounterDisplay::paintEvent(QPaintEvent *)
{
    if (!ShowsFocusMark(*this))
        return;
    // Inside the cells' black margin, clear of every dot.
    QPainter painter(this);
    DrawFocusMark(painter, rect(), QColor(0, 255, 0));
}
