// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/CommonDialog.h"

#include "copyjob/print/Printing.h"

#include <QFileDialog>

QStringList CommonDialog::nameFilters() const
{
    QStringList filters;
    const QStringList parts = Filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString pattern = parts.at(i + 1).trimmed();
        // Qt reads the patterns from the parentheses of the description.
        filters << (description.endsWith(u'(' + pattern + u')')
                        ? description
                        : QStringLiteral("%1 (%2)").arg(description, pattern));
    }
    return filters;
}

CommonDialog::Result CommonDialog::ShowPrinter(Printing &printing, QWidget *parent)
{
    return printing.ChoosePrinter(DialogTitle, Copies, parent) ? Result::Accepted : cancelled();
}

CommonDialog::Result CommonDialog::ShowSave(QWidget *parent)
{
    QFileDialog dialog(parent, DialogTitle);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    // Qt's own dialog keeps the title, the single filter and the typed name
    // exactly as given; a desktop portal might not.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = nameFilters();
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(FilterIndex - 1, filters.first()));
    }
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return cancelled();
    FileName = dialog.selectedFiles().constFirst();
    if (const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter()); chosen >= 0)
        FilterIndex = int(chosen) + 1;
    return Result::Accepted;
}
