// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanOption.h"

#include <QObject>
#include <QVariant>

class QComboBox;
class QFormLayout;
class QWidget;

// Scrolling down a long list of settings must not change the ones the
// pointer passes over: the combo boxes, spin boxes and sliders in root (and
// root itself) take the wheel only once clicked into; until then it scrolls
// the list they stand in.
void guardWheel(QWidget *root);

// A driver's own words (an option's title, description and group, the names
// in its lists) in the user's language where SANE's backends ship them
// translated (the gettext domain "sane-backends"), as KDE's scanner library
// shows them; as the driver gave them otherwise. What is sent back to the
// driver stays the driver's word.
QString driverText(const QString &text);

// A driver's long entries must not widen the dialog past the screen.
void prepareCombo(QComboBox *box);

// The control of one scanner option in the settings form. create() picks
// the kind from what the driver describes; show() displays what the device
// took, and changed() carries what the user set (an invalid value presses a
// button). The editor belongs to its widgets and goes with them.
class OptionEditor : public QObject
{
    Q_OBJECT
public:
    static OptionEditor *create(const ScanOption &option, QWidget *parent);

    const ScanOption &option() const { return m_option; }
    // The control named option-NAME.
    QWidget *control() const { return m_control; }
    // What stands in the form: the control, or the control with its slider.
    QWidget *field() const { return m_field; }

    // Shows the device's description of the option, its value and whether it
    // is active, in the form row added by addTo().
    void show(const ScanOption &option);
    void show(const QVariant &value) { display(value); }
    void addTo(QFormLayout *form);

signals:
    void changed(const QVariant &value);

protected:
    explicit OptionEditor(const ScanOption &option) : m_option(option) {}
    // Names the control, says why it cannot be changed, and guards the wheel.
    void setControl(QWidget *control, QWidget *field = nullptr);
    virtual void display(const QVariant &value) = 0;
    // A check box or a button carries its own title.
    virtual bool titled() const { return true; }
    bool isInt() const { return m_option.type == ScanOption::Type::Int; }

private:
    ScanOption m_option;
    QWidget *m_control = nullptr;
    QWidget *m_field = nullptr;
    QFormLayout *m_form = nullptr;
};
