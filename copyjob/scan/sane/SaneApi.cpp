// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/sane/SaneApi.h"

#include <QCoreApplication>

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

QString saneStatusMessage(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_GOOD:
        return {};
    case SANE_STATUS_UNSUPPORTED:
        return QCoreApplication::translate("Scanner",
                                           "The scanner cannot do what was asked of it.");
    case SANE_STATUS_CANCELLED:
        return QCoreApplication::translate("Scanner", "The scan was stopped at the scanner.");
    case SANE_STATUS_DEVICE_BUSY:
        return QCoreApplication::translate(
            "Scanner", "The scanner is busy. Wait until it is free, then try again.");
    case SANE_STATUS_INVAL:
        return QCoreApplication::translate("Scanner",
                                           "The scanner does not accept these scan settings.");
    case SANE_STATUS_EOF:
        return QCoreApplication::translate("Scanner",
                                           "The scanner stopped before the whole page arrived.");
    case SANE_STATUS_JAMMED:
        return QCoreApplication::translate("Scanner", "Document feeder jammed");
    case SANE_STATUS_NO_DOCS:
        return QCoreApplication::translate("Scanner", "The document feeder is empty.");
    case SANE_STATUS_COVER_OPEN:
        return QCoreApplication::translate("Scanner", "Scanner cover is open");
    case SANE_STATUS_IO_ERROR:
        return QCoreApplication::translate(
            "Scanner", "The scanner could not be reached (input/output error). Check its cable "
                       "and power.");
    case SANE_STATUS_NO_MEM:
        return QCoreApplication::translate("Scanner", "Out of memory: the scan does not fit.");
    case SANE_STATUS_ACCESS_DENIED:
        return QCoreApplication::translate(
            "Scanner", "Access to the scanner was denied. Another user or program may hold it.");
    }
    return QCoreApplication::translate("Scanner", "The scanner reported an unknown error (%1).")
        .arg(int(status));
}
