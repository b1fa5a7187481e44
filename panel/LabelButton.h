// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

// A caption on the black panel that works as a button. The background stays
// transparent, the size follows the caption, and a label used as a switch keeps
// its state in the Tag text and the ForeColor, both reachable by property name.
class LabelButton : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)

public:
    explicit LabelButton(QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    // Sets the text and sizes the label to it.
    void setCaption(const QString &caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // Any mouse button went down on the label; buttons holds every button now down.
    void pressed(Qt::MouseButtons buttons, const QPointF &globalPos);
    // The left button went down and came up again on the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_tag;
    QColor m_foreColor{0, 255, 0};
    bool m_leftDown = false;
};
