// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class Printing;
class QWidget;

// The main window's one dialog control, used for both the printer question and
// the save question. It keeps its properties between uses: the title is set
// before every showing, while the file name the user chose last stays in it.
class CommonDialog
{
public:
    QString DialogTitle;
    // Preset of the printer dialog's copies field.
    int Copies = 1;
    // Pairs of description and pattern, separated by '|': "Bitmap (*.bmp)|*.bmp".
    QString Filter;
    // 1-based index of the filter shown first; after the save dialog was
    // accepted, of the filter the user chose.
    int FilterIndex = 1;
    QString FileName;
    // When set, Cancel is reported as Cancelled; the command always sets it.
    bool CancelError = false;

    enum class Result { Accepted, Cancelled };

    // The printer dialog of printing: the user's choice of printer and its
    // settings become the application's printer when the dialog is accepted.
    Result ShowPrinter(Printing &printing, QWidget *parent);
    // The save-file dialog; on acceptance FileName holds the name as typed.
    Result ShowSave(QWidget *parent);

    // The Qt name filters that Filter describes.
    QStringList nameFilters() const;

private:
    Result cancelled() const { return CancelError ? Result::Cancelled : Result::Accepted; }
};
