// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

class QMenu;

// A caption on the black panel that works as a button. The background stays
// transparent, the size follows the caption, and a label used as a switch keeps
// its state in the Tag text and the ForeColor, both reachable by property name.
// To the keyboard and to assistive technology it is a push button: Tab reaches
// it, Space or Return presses it, a switch says whether it is on, and a caption
// that opens a step menu opens it on a press, the Menu key or Shift+F10.
class LabelButton : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)

public:
    explicit LabelButton(QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    // Sets the text and sizes the label to it.
    void setCaption(const QString &caption);

    // A switch is on while its tag is "True".
    void setCheckable(bool checkable) { m_checkable = checkable; }
    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checkable && m_tag == QLatin1String("True"); }

    // The menu a right press on the caption opens; the keyboard's press opens it too.
    void setStepMenu(QMenu *menu) { m_menu = menu; }
    QMenu *stepMenu() const { return m_menu; }
    void openStepMenu();

    // What a keyboard or an assistive technology's press does: a click, or
    // the step menu for a caption that has one.
    void press();

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
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_tag;
    QColor m_foreColor{0, 255, 0};
    bool m_leftDown = false;
    bool m_checkable = false;
    QMenu *m_menu = nullptr;
};

// A step menu asked for from the keyboard: the Menu key or Shift+F10.
bool IsMenuKey(const QKeyEvent &event);
