// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel/PanelAccessibility.h"

#include "panel/CounterDisplay.h"
#include "panel/LabelButton.h"

#include <QAccessibleWidget>

namespace {

class LabelButtonAccessible : public QAccessibleWidget
{
public:
    explicit LabelButtonAccessible(LabelButton *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {}

    LabelButton *label() const { return static_cast<LabelButton *>(widget()); }

    // A switch is a check box: a push button carries no checked state to a
    // screen reader over AT-SPI, which then reads "Save, push button" whether
    // it is on or not.
    QAccessible::Role role() const override
    {
        return label()->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = label()->isCheckable();
        state.checked = label()->isChecked();
        state.hasPopup = label()->stepMenu() != nullptr;
        return state;
    }

    QStringList actionNames() const override
    {
        const QString action = label()->stepMenu()      ? showMenuAction()
                               : label()->isCheckable() ? toggleAction()
                                                        : pressAction();
        return QStringList{action} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction() || action == showMenuAction())
            label()->press();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == showMenuAction())
            return {QStringLiteral("Menu"), QStringLiteral("Shift+F10")};
        if (action == pressAction() || action == toggleAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

class CounterDisplayAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit CounterDisplayAccessible(CounterDisplay *display)
        : QAccessibleWidget(display, QAccessible::SpinBox)
    {}

    CounterDisplay *display() const { return static_cast<CounterDisplay *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return display()->valueText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.hasPopup = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction(), showMenuAction()} +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == increaseAction())
            display()->raise();
        else if (action == decreaseAction())
            display()->lower();
        else if (action == showMenuAction())
            display()->openStepMenu();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == increaseAction())
            return {QStringLiteral("Up"), QStringLiteral("+")};
        if (action == decreaseAction())
            return {QStringLiteral("Down"), QStringLiteral("-")};
        if (action == showMenuAction())
            return {QStringLiteral("Menu"), QStringLiteral("Shift+F10")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    QVariant currentValue() const override { return int(display()->value()); }
    void setCurrentValue(const QVariant &value) override { display()->stepTo(value.toInt()); }
    QVariant maximumValue() const override { return int(Counters::maximum(display()->display())); }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *panelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LabelButton"))
        return new LabelButtonAccessible(static_cast<LabelButton *>(object));
    if (className == QLatin1String("CounterDisplay"))
        return new CounterDisplayAccessible(static_cast<CounterDisplay *>(object));
    return nullptr;
}

} // namespace

void InstallPanelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&panelAccessible);
        return true;
    }();
    (void)installed;
}
