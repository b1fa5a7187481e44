// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLabel>

class QMenu;

// The colours of a switch that is on and off.
inline const QColor kToggleOnColor{0, 255, 0};
inline const QColor kToggleOffColor{0, 128, 0};

// A caption on the black panel that works as a button. The background stays
// transparent and the size follows the caption. A label used as a switch has
// a checked state; its Tag text ("True" or "False") and its ForeColor follow
// that state, and both stay reachable by property name. To the keyboard and
// to assistive technology a caption is a push button and a switch a check
// box: Tab reaches it, Space or Return presses it, a switch says whether it is
// on, and a caption that opens a step menu opens it on a press, the Menu key
// or Shift+F10.
class LabelButton : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled)

public:
    explicit LabelButton(QWidget *parent = nullptr);

    // "True" or "False" as the state says, or whatever other text was set:
    // such a tag counts as off and has no colour of its own.
    QString tag() const;
    void setTag(const QString &tag);
    // The tag is "True" or "False", not some other text.
    bool hasStateTag() const { return m_stateTag; }

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color);

    // Sets the text and sizes the label to it.
    void setCaption(const QString &caption);

    // A switch: read as a check box. Its state also sets its tag and colour.
    void setCheckable(bool checkable) { m_checkable = checkable; }
    bool isCheckable() const { return m_checkable; }
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

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
    // The switch went on or off.
    void toggled(bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void changeState(bool checked);

    QString m_tag; // a tag that is no state
    QColor m_foreColor{0, 255, 0};
    bool m_stateTag = false;
    bool m_checked = false;
    bool m_leftDown = false;
    bool m_checkable = false;
    QMenu *m_menu = nullptr;
};

// A step menu asked for from the keyboard: the Menu key or Shift+F10.
bool IsMenuKey(const QKeyEvent &event);
