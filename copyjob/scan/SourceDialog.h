#pragma once

#include "copyjob/scan/SaneDevice.h"

#include <QDialog>
#include <QList>

class QListWidget;
class QPushButton;

// Lists the scanners found as "vendor model (SANE name)"; Enter picks the one
// highlighted, Esc keeps the current one.
//
// For tests: objectName "SourceDialog"; children "sourceList",
// "selectButton", "cancelButton". Each list item keeps its SANE name in
// Qt::UserRole.
class SourceDialog : public QDialog
{
    Q_OBJECT
public:
    SourceDialog(const QList<SaneDeviceInfo> &devices, const QString &current,
                 QWidget *parent = nullptr);

    // The SANE name picked; empty unless the dialog was accepted with a device.
    QString selectedDevice() const;

private:
    QListWidget *m_list = nullptr;
    QPushButton *m_selectButton = nullptr;
};
