#include "copyjob/SourceSelection.h"

#include "copyjob/ScannerLayer.h"

void SelectSourceClick(QWidget *mainWindow, ScannerLayer &scanner)
{
    if (!scanner.TWAIN_IsAvailable())
        return;
    scanner.TWAIN_SelectImageSource(mainWindow);
}
