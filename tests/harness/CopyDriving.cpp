#include "harness/CopyDriving.h"

#include "app/frmMain.h"
#include "harness/SaneTestScanner.h"
#include "panel/LabelButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

MessageWatcher::MessageWatcher()
{
    qApp->installEventFilter(this);
}

MessageWatcher::~MessageWatcher()
{
    qApp->removeEventFilter(this);
}

bool MessageWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show)
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            const bool plain = box->windowTitle() == QLatin1String("Mirel") &&
                               box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
            texts << (plain ? box->text() : QStringLiteral("NOT PLAIN: ") + box->text());
            QTimer::singleShot(0, box, [box] {
                if (QAbstractButton *ok = box->buttons().value(0))
                    ok->click();
            });
        }
    return false;
}

void answerSaveDialog(const QString &name, QString *titleSeen, QStringList *filtersSeen,
                      QString *prefilled, std::function<void()> beforeAccept)
{
    whenModalActive(QStringLiteral("SaveDialog"), [=](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return;
        if (titleSeen)
            *titleSeen = dialog->windowTitle();
        if (filtersSeen)
            *filtersSeen = dialog->nameFilters();
        if (prefilled)
            *prefilled = dialog->selectedFiles().value(0);
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        if (beforeAccept)
            beforeAccept();
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(name);
        else
            dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

void setCopyRoute(frmMain &form, CopyRoute route)
{
    const auto on = [](LabelButton *label) { return label->tag() == QLatin1String("True"); };
    // Each switch turns the other off when it goes on.
    switch (route) {
    case CopyRoute::PrintToDefault:
        if (!on(form.lblPrintToDefault))
            QTest::mouseClick(form.lblPrintToDefault, Qt::LeftButton);
        break;
    case CopyRoute::Save:
        if (!on(form.lblSave))
            QTest::mouseClick(form.lblSave, Qt::LeftButton);
        break;
    case CopyRoute::AskForPrinter:
        if (on(form.lblPrintToDefault))
            QTest::mouseClick(form.lblPrintToDefault, Qt::LeftButton);
        if (on(form.lblSave))
            QTest::mouseClick(form.lblSave, Qt::LeftButton);
        break;
    }
}
