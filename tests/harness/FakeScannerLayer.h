// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/ScannerLayer.h"

// A scanner layer for what a real SANE cannot show on demand: any version
// number, and whether anything asked for a device at all.
class FakeScannerLayer : public ScannerLayer
{
public:
    int version = 0, deviceCalls = 0;

    int TWAIN_IsAvailable() override { return deviceCall(1); }
    QImage TWAIN_AcquireToClipboard(QWidget *, int) override { return deviceCall(0), QImage(); }
    int TWAIN_SelectImageSource(QWidget *) override { return deviceCall(0); }
    int TWAIN_EasyVersion() override { return version; }

private:
    int deviceCall(int answer)
    {
        ++deviceCalls;
        return answer;
    }
};
