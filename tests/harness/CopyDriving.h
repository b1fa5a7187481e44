#pragma once

#include "copyjob/CopyCommand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class frmMain;

// Drives the panel's Copy command like a user, for suites and benchmarks that
// run the real command in-process.

// Records the text of every message box the program shows and closes it with
// OK. A box that is not the program's one kind (title "Mirel", no icon, one
// button) is recorded with the prefix "NOT PLAIN: ".
class MessageWatcher : public QObject
{
public:
    QStringList texts;
    MessageWatcher();
    ~MessageWatcher() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Answers the next save dialog as a user would: types name and presses Enter;
// an empty name cancels. The optional pointers receive what the dialog showed;
// beforeAccept runs right before the name is typed.
void answerSaveDialog(const QString &name, QString *titleSeen = nullptr,
                      QStringList *filtersSeen = nullptr, QString *prefilled = nullptr,
                      std::function<void()> beforeAccept = {});

// Clicks the switches until they select route.
void setCopyRoute(frmMain &form, CopyRoute route);
