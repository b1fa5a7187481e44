#pragma once

class ScannerLayer;

// Opens the About dialog, or brings the open one to the front.
void OpenAbout(ScannerLayer &scanner);
