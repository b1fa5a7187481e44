// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A line of words on the black panel in its own 8-pt text, left-aligned like
// the captions: what the copy with the printer is doing. Words wider than the
// line end in an ellipsis on the panel and show whole as its tooltip;
// assistive technology reads them whole, as a status bar named by its words,
// and hears them again whenever they change. The mouse goes through it to
// the panel.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QColor color() const { return m_color; }
    void setText(const QString &text, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_color;
};
