#include "about/AboutBox.h"

void OpenAbout(ScannerLayer &)
{
}
