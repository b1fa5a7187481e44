// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cups/cups.h>

// The entry points of libcups the print job uses, found with dlsym the first
// time a copy is printed. The program never links libcups: its kin (GnuTLS,
// Kerberos, Avahi) would otherwise load at every launch, before any print.
struct CupsApi
{
    http_t *(*httpConnect2)(const char *, int, http_addrlist_t *, int, http_encryption_t, int, int,
                            int *) = nullptr;
    void (*httpClose)(http_t *) = nullptr;
    const char *(*cupsServer)() = nullptr;
    int (*ippPort)() = nullptr;
    http_encryption_t (*cupsEncryption)() = nullptr;
    cups_dest_t *(*cupsGetNamedDest)(http_t *, const char *, const char *) = nullptr;
    void (*cupsFreeDests)(int, cups_dest_t *) = nullptr;
    cups_dinfo_t *(*cupsCopyDestInfo)(http_t *, cups_dest_t *) = nullptr;
    void (*cupsFreeDestInfo)(cups_dinfo_t *) = nullptr;
    const char *(*cupsGetOption)(const char *, int, cups_option_t *) = nullptr;
    int (*cupsAddOption)(const char *, const char *, int, cups_option_t **) = nullptr;
    void (*cupsFreeOptions)(int, cups_option_t *) = nullptr;
    int (*cupsCheckDestSupported)(http_t *, cups_dest_t *, cups_dinfo_t *, const char *,
                                  const char *) = nullptr;
    int (*cupsGetDestMediaBySize)(http_t *, cups_dest_t *, cups_dinfo_t *, int, int, unsigned,
                                  cups_size_t *) = nullptr;
    ipp_status_t (*cupsCreateDestJob)(http_t *, cups_dest_t *, cups_dinfo_t *, int *, const char *,
                                      int, cups_option_t *) = nullptr;
    ipp_status_t (*cupsCancelDestJob)(http_t *, cups_dest_t *, int) = nullptr;
    http_status_t (*cupsStartDestDocument)(http_t *, cups_dest_t *, cups_dinfo_t *, int,
                                           const char *, const char *, int, cups_option_t *,
                                           int) = nullptr;
    http_status_t (*cupsWriteRequestData)(http_t *, const char *, size_t) = nullptr;
    ipp_status_t (*cupsFinishDestDocument)(http_t *, cups_dest_t *, cups_dinfo_t *) = nullptr;
    ipp_status_t (*cupsLastError)() = nullptr;
    const char *(*cupsLastErrorString)() = nullptr;
    // What the job watcher asks the scheduler.
    void (*httpSetTimeout)(http_t *, double, http_timeout_cb_t, void *) = nullptr;
    const char *(*cupsUser)() = nullptr;
    ipp_t *(*ippNewRequest)(ipp_op_t) = nullptr;
    ipp_attribute_t *(*ippAddString)(ipp_t *, ipp_tag_t, ipp_tag_t, const char *, const char *,
                                     const char *) = nullptr;
    ipp_attribute_t *(*ippAddStrings)(ipp_t *, ipp_tag_t, ipp_tag_t, const char *, int,
                                      const char *, const char *const *) = nullptr;
    ipp_t *(*cupsDoRequest)(http_t *, ipp_t *, const char *) = nullptr;
    ipp_attribute_t *(*ippFindAttribute)(ipp_t *, const char *, ipp_tag_t) = nullptr;
    int (*ippGetCount)(ipp_attribute_t *) = nullptr;
    int (*ippGetInteger)(ipp_attribute_t *, int) = nullptr;
    const char *(*ippGetString)(ipp_attribute_t *, int, const char **) = nullptr;
    void (*ippDelete)(ipp_t *) = nullptr;
    // The user's language for CUPS's own words; null where libcups lacks it.
    cups_lang_t *(*cupsLangDefault)() = nullptr;
    const char *(*cupsLangString)(cups_lang_t *, const char *) = nullptr;

    // The table, loaded on the first call and kept for the run; null when
    // libcups is missing or lacks an entry point.
    static const CupsApi *get();
};
