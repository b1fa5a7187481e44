#include "app/frmMain.h"
#include "app/version.h"
#include "copyjob/ApplicationPrinter.h"
#include "copyjob/SaneScannerLayer.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(mirel::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(mirel::kVersionString));
    QApplication::setDesktopFileName(QString::fromLatin1(mirel::kApplicationId));

    SaneScannerLayer scanner;
    ApplicationPrinter printer;
    frmMain window(scanner, printer);
    window.Form_Load();
    return app.exec();
}
