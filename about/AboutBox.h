#pragma once

class ScannerLayer;

// Opens the About dialog, or brings the open one to the front unchanged.
// There is at most one About dialog at a time, whichever menu opened it.
void OpenAbout(ScannerLayer &scanner);
