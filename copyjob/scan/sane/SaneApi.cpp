// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/SaneApi.h"

#include <dlfcn.h>

namespace {

template <typename Fn> bool lookUp(void *library, const char *name, Fn &fn)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}

} // namespace

bool SaneApi::resolve(void *library)
{
    bool ok = true;
    ok &= lookUp(library, "sane_init", init);
    ok &= lookUp(library, "sane_exit", exit);
    ok &= lookUp(library, "sane_get_devices", get_devices);
    ok &= lookUp(library, "sane_open", open);
    ok &= lookUp(library, "sane_close", close);
    ok &= lookUp(library, "sane_get_option_descriptor", get_option_descriptor);
    ok &= lookUp(library, "sane_control_option", control_option);
    ok &= lookUp(library, "sane_get_parameters", get_parameters);
    ok &= lookUp(library, "sane_start", start);
    ok &= lookUp(library, "sane_read", read);
    ok &= lookUp(library, "sane_cancel", cancel);
    return ok;
}

int saneVersionTimes100(int major, int minor)
{
    if (major < 0 || minor < 0)
        return 0;
    // "1.1" is one and one tenth, "1.12" one and twelve hundredths.
    int scale = 1;
    while (scale <= minor)
        scale *= 10;
    return major * 100 + (minor * 100 + scale / 2) / scale;
}

ScanStatus scanStatusOf(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_GOOD:
        return ScanStatus::Good;
    case SANE_STATUS_UNSUPPORTED:
        return ScanStatus::Unsupported;
    case SANE_STATUS_CANCELLED:
        return ScanStatus::Cancelled;
    case SANE_STATUS_DEVICE_BUSY:
        return ScanStatus::DeviceBusy;
    case SANE_STATUS_INVAL:
        return ScanStatus::Invalid;
    case SANE_STATUS_EOF:
        return ScanStatus::EndOfFile;
    case SANE_STATUS_JAMMED:
        return ScanStatus::Jammed;
    case SANE_STATUS_NO_DOCS:
        return ScanStatus::NoDocuments;
    case SANE_STATUS_COVER_OPEN:
        return ScanStatus::CoverOpen;
    case SANE_STATUS_IO_ERROR:
        return ScanStatus::IoError;
    case SANE_STATUS_NO_MEM:
        return ScanStatus::NoMemory;
    case SANE_STATUS_ACCESS_DENIED:
        return ScanStatus::AccessDenied;
    }
    return ScanStatus::Unknown;
}

ScanError saneFailure(SANE_Status status)
{
    const ScanStatus known = scanStatusOf(status);
    if (known == ScanStatus::Good)
        return {};
    return ScanError::deviceStatus(known, known == ScanStatus::Unknown
                                              ? QStringList{QString::number(int(status))}
                                              : QStringList{});
}
