// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for Mirel's launch: a plain Qt Widgets window of frmMain's size
// with one label, linking nothing but Qt Widgets. The label is "Copies" in the
// language Mirel speaks (BENCH_BARE_LABEL), so a script drawn from another
// font (Japanese from Noto CJK) costs the floor what it costs Mirel.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(361, 146);
    const QString caption = qEnvironmentVariable("BENCH_BARE_LABEL");
    QLabel label(caption.isEmpty() ? QStringLiteral("Copies") : caption, &window);
    label.move(8, 16);
    window.show();
    return app.exec();
}
