// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness/CopyDriving.h"

#include "app/frmMain.h"
#include "panel/LabelButton.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

bool MessageWatcher::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (event->type() == QEvent::Show && box) {
        const bool plain = box->windowTitle() == QLatin1String("Mirel") &&
                           box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
        texts << (plain ? box->text() : QStringLiteral("NOT PLAIN: ") + box->text());
        QMetaObject::invokeMethod(box->buttons().value(0), "click", Qt::QueuedConnection);
    }
    return false;
}

void saveAs(QDialog &saveDialog, const QString &name)
{
    saveDialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    QMetaObject::invokeMethod(&saveDialog, "accept");
}

void setCopyRoute(frmMain &form, CopyRoute route)
{
    // Each switch turns the other off when it goes on.
    const auto set = [](LabelButton *label, bool on) {
        if ((label->tag() == QLatin1String("True")) != on)
            QTest::mouseClick(label, Qt::LeftButton);
    };
    set(form.lblPrintToDefault, route == CopyRoute::PrintToDefault);
    set(form.lblSave, route == CopyRoute::Save);
}
