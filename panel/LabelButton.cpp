// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/LabelButton.h"

#include <QEvent>
#include <QMouseEvent>

LabelButton::LabelButton(QWidget *parent) : QLabel(parent)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setForeColor(m_foreColor);
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
    setText(caption);
    setAccessibleName(caption);
    adjustSize();
}

QSize LabelButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()), fm.height()};
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
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

void LabelButton::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}
