// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for Mirel's launch: a plain Qt Widgets window of frmMain's size
// with one label, linking nothing but Qt Widgets.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(361, 146);
    QLabel label(QStringLiteral("Copies"), &window);
    label.move(8, 16);
    window.show();
    return app.exec();
}
