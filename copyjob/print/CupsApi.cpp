// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/print/CupsApi.h"

#include <dlfcn.h>

namespace {

template <typename Fn> bool lookUp(void *library, const char *name, Fn &fn)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}

CupsApi *load()
{
    // Never closed: the library's threads and caches live until the end.
    void *library = dlopen("libcups.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!library)
        return nullptr;
    static CupsApi api;
    bool ok = true;
#define MIREL_CUPS(name) ok &= lookUp(library, #name, api.name)
    MIREL_CUPS(httpConnect2);
    MIREL_CUPS(httpClose);
    MIREL_CUPS(cupsServer);
    MIREL_CUPS(ippPort);
    MIREL_CUPS(cupsEncryption);
    MIREL_CUPS(cupsGetNamedDest);
    MIREL_CUPS(cupsFreeDests);
    MIREL_CUPS(cupsCopyDestInfo);
    MIREL_CUPS(cupsFreeDestInfo);
    MIREL_CUPS(cupsGetOption);
    MIREL_CUPS(cupsAddOption);
    MIREL_CUPS(cupsFreeOptions);
    MIREL_CUPS(cupsCheckDestSupported);
    MIREL_CUPS(cupsGetDestMediaBySize);
    MIREL_CUPS(cupsCreateDestJob);
    MIREL_CUPS(cupsCancelDestJob);
    MIREL_CUPS(cupsStartDestDocument);
    MIREL_CUPS(cupsWriteRequestData);
    MIREL_CUPS(cupsFinishDestDocument);
    MIREL_CUPS(cupsLastError);
    MIREL_CUPS(cupsLastErrorString);
    MIREL_CUPS(httpSetTimeout);
    MIREL_CUPS(cupsUser);
    MIREL_CUPS(ippNewRequest);
    MIREL_CUPS(ippAddString);
    MIREL_CUPS(ippAddStrings);
    MIREL_CUPS(cupsDoRequest);
    MIREL_CUPS(ippFindAttribute);
    MIREL_CUPS(ippGetCount);
    MIREL_CUPS(ippGetInteger);
    MIREL_CUPS(ippGetString);
    MIREL_CUPS(ippDelete);
    MIREL_CUPS(cupsLangDefault);
#undef MIREL_CUPS
    // Private to libcups, so perhaps not there: without it CUPS's words are
    // read in English only.
    lookUp(library, "_cupsLangString", api.cupsLangString);
    return ok ? &api : nullptr;
}

} // namespace

const CupsApi *CupsApi::get()
{
    static const CupsApi *const api = load();
    return api;
}
