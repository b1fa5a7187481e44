// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "copyjob/scan/model/ScanError.h"

#include <sane/sane.h>

// The entry points of libsane, found with dlsym when the library is loaded at
// run time. The program never links against libsane, so a machine without it
// still starts.
struct SaneApi
{
    SANE_Status (*init)(SANE_Int *, SANE_Auth_Callback) = nullptr;
    void (*exit)() = nullptr;
    SANE_Status (*get_devices)(const SANE_Device ***, SANE_Bool) = nullptr;
    SANE_Status (*open)(SANE_String_Const, SANE_Handle *) = nullptr;
    void (*close)(SANE_Handle) = nullptr;
    const SANE_Option_Descriptor *(*get_option_descriptor)(SANE_Handle, SANE_Int) = nullptr;
    SANE_Status (*control_option)(SANE_Handle, SANE_Int, SANE_Action, void *, SANE_Int *) = nullptr;
    SANE_Status (*get_parameters)(SANE_Handle, SANE_Parameters *) = nullptr;
    SANE_Status (*start)(SANE_Handle) = nullptr;
    SANE_Status (*read)(SANE_Handle, SANE_Byte *, SANE_Int, SANE_Int *) = nullptr;
    void (*cancel)(SANE_Handle) = nullptr;

    // Fills every entry from an open dlopen handle; false when one is missing.
    bool resolve(void *library);
};

// The number the About box shows, from the version sane_init reports: the
// version read as the decimal "major.minor" times 100, so 1.1 gives 110 and
// 1.12 gives 112.
int saneVersionTimes100(int major, int minor);

// A SANE status in the program's own terms: Unknown for one of a newer SANE.
ScanStatus scanStatusOf(SANE_Status status);
// The failure a status says: none for SANE_STATUS_GOOD; an unknown status
// carries its number, for the words to name.
ScanError saneFailure(SANE_Status status);
