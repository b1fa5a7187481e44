#pragma once

#include "copyjob/scan/ScannerLayer.h"

// A scanner layer for the cases a real SANE cannot produce on demand, such as
// no SANE at all. It counts calls and answers what the test sets.
class FakeScannerLayer : public ScannerLayer
{
public:
    int available = 1;
    int acquireResult = 0;
    int version = 110;
    int availableCalls = 0;
    int acquireCalls = 0;
    int selectCalls = 0;

    int TWAIN_IsAvailable() override
    {
        ++availableCalls;
        return available;
    }
    int TWAIN_AcquireToClipboard(QWidget *, int) override
    {
        ++acquireCalls;
        return acquireResult;
    }
    int TWAIN_SelectImageSource(QWidget *) override
    {
        ++selectCalls;
        return 1;
    }
    int TWAIN_EasyVersion() override { return version; }
};
