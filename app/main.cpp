// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmMain.h"
#include "common/Translations.h"
#include "common/version.h"
#include "copyjob/print/PrintModule.h"
#include "copyjob/scan/SaneScannerLayer.h"
#include "copyjob/stack/Termination.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(mirel::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(mirel::kVersionString));
    QApplication::setDesktopFileName(QString::fromLatin1(mirel::kApplicationId));
    QuitOnTermination(app);
    // Before any window is made, so every text is the user's language's.
    InstallTranslations(QLocale::system().uiLanguages());

    SaneScannerLayer scanner;
    PrintModule printing;
    frmMain window(scanner, printing);
    window.Form_Load();
    return app.exec();
}
