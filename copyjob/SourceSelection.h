#pragma once

class QWidget;
class ScannerLayer;

// The Select Source command.
void SelectSourceClick(QWidget *mainWindow, ScannerLayer &scanner);
