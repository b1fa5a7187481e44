// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanDevice.h"

#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class ScanSession;

// Lists the scanners found as "vendor model (driver's name)"; Enter picks the one
// highlighted, Esc keeps the current one. The list is asked for when the
// dialog opens, and the dialog says that it is looking meanwhile.
//
// For tests: objectName "SourceDialog"; children "promptLabel", "sourceList",
// "selectButton", "cancelButton"; property "state" (a State, read by its
// name). Each list item keeps its driver's name in Qt::UserRole.
class SourceDialog : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(State state READ state)
public:
    enum class State {
        Looking, // the list is being asked for
        Ready,   // the list is shown
        Failed,  // a message with Retry
    };
    Q_ENUM(State)

    SourceDialog(ScanSession &session, QWidget *parent = nullptr);

    State state() const { return m_state; }

    // The driver's name of the device picked; empty unless the dialog was accepted with a device.
    QString selectedDevice() const;

public slots:
    void reject() override;

private:
    void look();
    void onListed(const QList<ScanDevice> &devices);
    void onTrouble(const QString &message);
    void onSelect();

    ScanSession &m_session;
    State m_state = State::Looking;
    QLabel *m_prompt = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_selectButton = nullptr;
};
