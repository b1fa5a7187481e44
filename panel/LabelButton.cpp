// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/LabelButton.h"

#include "panel/KeyboardFocus.h"
#include "panel/PanelAccessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

LabelButton::LabelButton(QWidget *parent) : QLabel(parent)
{
    InstallPanelAccessibility();
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);
    setForeColor(m_foreColor);
}

QString LabelButton::tag() const
{
    if (!m_stateTag)
        return m_tag;
    return m_checked ? QStringLiteral("True") : QStringLiteral("False");
}

void LabelButton::setTag(const QString &tag)
{
    if (tag == QLatin1String("True") || tag == QLatin1String("False")) {
        setChecked(tag == QLatin1String("True"));
        return;
    }
    m_stateTag = false;
    m_tag = tag;
    changeState(false);
}

void LabelButton::setChecked(bool checked)
{
    m_stateTag = true;
    m_tag.clear();
    setForeColor(checked ? kToggleOnColor : kToggleOffColor);
    changeState(checked);
}

void LabelButton::changeState(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    emit toggled(checked);
}

void LabelButton::setForeColor(const QColor &color)
{
    m_foreColor = color;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void LabelButton::setCaption(const QString &caption)
{
    // QLabel builds a whole text document for a focusable label's text, a
    // good part of the panel's start-up; unfocusable while the caption is
    // set, it keeps the plain text and draws it with the same glyphs. The
    // document still comes when the label takes the focus.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    setText(caption);
    setFocusPolicy(policy);
    setAccessibleName(caption);
    adjustSize();
}

void LabelButton::openStepMenu()
{
    if (m_menu)
        m_menu->popup(mapToGlobal(rect().bottomLeft()));
}

void LabelButton::press()
{
    if (m_menu)
        openStepMenu();
    else
        emit clicked();
}

QSize LabelButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()), fm.height()};
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    SetKeyboardInUse(*this, false);
    if (event->button() == Qt::LeftButton)
        m_leftDown = event->buttons() == Qt::LeftButton;
    else
        m_leftDown = false;
    emit pressed(event->buttons(), event->globalPosition());
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_leftDown = false;
    event->accept();
    if (click)
        emit clicked();
}

void LabelButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool pressKey = event->modifiers() == Qt::NoModifier &&
                          (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
    if (!pressKey && !(m_menu && IsMenuKey(*event))) {
        QLabel::keyPressEvent(event);
        return;
    }
    SetKeyboardInUse(*this, true);
    event->accept();
    press();
}

void LabelButton::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    NoteFocusIn(*this, *event);
}

void LabelButton::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void LabelButton::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!ShowsFocusMark(*this))
        return;
    QPainter painter(this);
    DrawFocusMark(painter, rect(), m_foreColor);
}

void LabelButton::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}

bool IsMenuKey(const QKeyEvent &event)
{
    return (event.key() == Qt::Key_Menu && event.modifiers() == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}
