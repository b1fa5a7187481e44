// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

/* A SANE backend that misbehaves on request, for tests: one grey device,
 * "faulty:0", whose option "fault" chooses how it fails once half the page
 * has been read. No real backend crashes, aborts or hangs on demand, and a
 * front end has to survive all of them.
 *
 * The page is a Letter-wide, A4-long bed (216 x 297 mm) with no area
 * options, in a pattern a test can check pixel by pixel: value(x, y) =
 * (x + y) & 0xff, counted from the top-left corner.
 *
 *   none        behaves
 *   segfault    writes through a null pointer
 *   abort       calls abort()
 *   hang        blocks in sane_read for ever; sane_cancel cannot wake it
 *   zero-bytes  answers every read with "good, 0 bytes", as SANE's net
 *               backend does once its server is gone
 *   exit        calls _exit(3), as a driver that gives up on its own would
 *   io-error    answers the read with an I/O error
 *   truncate    behaves, but keeps a duplicate of the front end's shared page
 *               (its memfd "mirel-page", found among this process's
 *               descriptors) and half a second after the page was handed
 *               over truncates it to nothing; into the file $FAULTY_REPORT
 *               names it writes what came of that: "truncated", "refused"
 *               (the page was sealed against it) or "no page" (none found)
 *
 * and some fail before the first byte:
 *
 *   lamp        blocks in its first sane_read for ever, as a scanner whose
 *               lamp never warms up
 *   jam, cover-open
 *               sane_start says the feeder jammed or the cover is open
 *
 * Its "source" is the glass or a feeder that holds "sheets" sheets, one side
 * or both ("ADF Duplex": front, then back). From a feeder, the fault strikes
 * only the page numbered "fault-page" (counted from 1 across the stack, and
 * across the device being opened afresh, as a real feeder keeps its paper),
 * and page n's pattern is shifted by 16 (n - 1), so a test sees the order.
 * Setting another "sheets" or source loads the feeder again.
 */
#define _GNU_SOURCE
#include <sane/sane.h>
#include <sane/saneopts.h>

#include <dirent.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* One device needs no handle, and SANE's other arguments are often moot here. */
#pragma GCC diagnostic ignored "-Wunused-parameter"

enum { OPT_COUNT, OPT_RESOLUTION, OPT_FAULT, OPT_SOURCE, OPT_SHEETS, OPT_FAULT_PAGE, OPT_N };
enum { NONE, SEGFAULT, ABORT, HANG, ZERO_BYTES, EXIT, TRUNCATE, LAMP, JAM, COVER_OPEN, IO_ERROR };
enum { FLATBED, ADF, ADF_DUPLEX };

static SANE_String_Const faults[] = {"none",       "segfault",   "abort",    "hang",
                                     "zero-bytes", "exit",       "truncate", "lamp",
                                     "jam",        "cover-open", "io-error", 0};
static SANE_String_Const sources[] = {"Flatbed", "ADF", "ADF Duplex", 0};
static const SANE_Word resolutions[] = {3, 50, 100, 300}; /* the length first */
static const SANE_Range counts = {0, 1000, 1};
#define OPT(NAME, TYPE, UNIT, SIZE, KIND)                                                          \
    NAME, NAME, "", SANE_TYPE_##TYPE, SANE_UNIT_##UNIT, SIZE,                                      \
        SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT, SANE_CONSTRAINT_##KIND
static const SANE_Option_Descriptor options[OPT_N] = {
    {OPT("", INT, NONE, sizeof(SANE_Word), NONE), {0}},
    {OPT(SANE_NAME_SCAN_RESOLUTION, INT, DPI, sizeof(SANE_Word), WORD_LIST),
     {.word_list = resolutions}},
    {OPT("fault", STRING, NONE, 16, STRING_LIST), {faults}},
    {OPT(SANE_NAME_SCAN_SOURCE, STRING, NONE, 16, STRING_LIST), {sources}},
    {OPT("sheets", INT, NONE, sizeof(SANE_Word), RANGE), {.range = &counts}},
    {OPT("fault-page", INT, NONE, sizeof(SANE_Word), RANGE), {.range = &counts}},
};
/* The string options, and the list each value indexes. */
static SANE_String_Const *const lists[OPT_N] = {[OPT_FAULT] = faults, [OPT_SOURCE] = sources};

/* SANE's dll backend puts "faulty:" in front. */
static const SANE_Device device = {"0", "Mirel", "Faulty test scanner", "virtual device"};
static const SANE_Device *device_list[] = {&device, NULL};

static SANE_Word values[OPT_N]; /* a string option's value indexes its list */
static int is_open, scanning;
static SANE_Parameters params;
static long long position; /* bytes of the page handed out so far */
static int page;           /* of the stack, from 1; 0 before the first */
static int fault_now;      /* the page under way is the one that fails */

SANE_Status sane_faulty_init(SANE_Int *version_code, SANE_Auth_Callback authorize)
{
    if (version_code)
        *version_code = SANE_VERSION_CODE(1, 0, 0);
    const SANE_Word defaults[OPT_N] = {OPT_N, 50, NONE, FLATBED, 3, 1};
    memcpy(values, defaults, sizeof values);
    is_open = scanning = page = 0;
    return SANE_STATUS_GOOD;
}

void sane_faulty_exit(void) {}

SANE_Status sane_faulty_get_devices(const SANE_Device ***list, SANE_Bool local_only)
{
    *list = device_list;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_open(SANE_String_Const name, SANE_Handle *handle)
{
    if (name[0] && strcmp(name, device.name) != 0)
        return SANE_STATUS_INVAL;
    if (is_open)
        return SANE_STATUS_DEVICE_BUSY;
    is_open = 1;
    *handle = (SANE_Handle)&device;
    return SANE_STATUS_GOOD;
}

void sane_faulty_close(SANE_Handle handle)
{
    is_open = scanning = 0;
}

const SANE_Option_Descriptor *sane_faulty_get_option_descriptor(SANE_Handle handle, SANE_Int n)
{
    return n >= 0 && n < OPT_N ? &options[n] : NULL;
}

SANE_Status sane_faulty_control_option(SANE_Handle handle, SANE_Int n, SANE_Action action,
                                       void *value, SANE_Int *info)
{
    const int get = action == SANE_ACTION_GET_VALUE;
    if (n < 0 || n >= OPT_N || !value ||
        (!get && (action != SANE_ACTION_SET_VALUE || n == OPT_COUNT || scanning)))
        return SANE_STATUS_INVAL;
    if (get && lists[n])
        strcpy(value, lists[n][values[n]]);
    else if (get)
        *(SANE_Word *)value = values[n];
    if (get)
        return SANE_STATUS_GOOD;
    SANE_Word w = -1;
    for (int i = 1; n == OPT_RESOLUTION && i <= resolutions[0]; ++i)
        if (resolutions[i] == *(SANE_Word *)value)
            w = resolutions[i];
    for (int i = 0; lists[n] && lists[n][i]; ++i)
        if (strcmp(lists[n][i], value) == 0)
            w = i;
    if ((n == OPT_SHEETS || n == OPT_FAULT_PAGE) && *(SANE_Word *)value >= 0)
        w = *(SANE_Word *)value;
    if (w < 0)
        return SANE_STATUS_INVAL;
    if ((n == OPT_SHEETS || n == OPT_SOURCE) && values[n] != w)
        page = 0;
    values[n] = w;
    if (info)
        *info = SANE_INFO_RELOAD_PARAMS;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_get_parameters(SANE_Handle handle, SANE_Parameters *p)
{
    if (!scanning) {
        const double dpmm = values[OPT_RESOLUTION] / 25.4;
        const SANE_Int width = (SANE_Int)(216 * dpmm);
        const SANE_Int lines = (SANE_Int)(297 * dpmm);
        params = (SANE_Parameters){SANE_FRAME_GRAY, SANE_TRUE, width, width, lines, 8};
    }
    if (p)
        *p = params;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_start(SANE_Handle handle)
{
    sane_faulty_get_parameters(handle, NULL);
    if (scanning)
        return SANE_STATUS_INVAL;
    const int feeder = values[OPT_SOURCE] != FLATBED;
    const int sides = values[OPT_SOURCE] == ADF_DUPLEX ? 2 : 1;
    if (feeder && page >= values[OPT_SHEETS] * sides)
        return SANE_STATUS_NO_DOCS;
    page = feeder ? page + 1 : 1;
    fault_now = !feeder || page == values[OPT_FAULT_PAGE];
    if (fault_now && values[OPT_FAULT] == JAM)
        return SANE_STATUS_JAMMED;
    if (fault_now && values[OPT_FAULT] == COVER_OPEN)
        return SANE_STATUS_COVER_OPEN;
    position = 0;
    scanning = 1;
    return SANE_STATUS_GOOD;
}

/* A duplicate of the page's memfd, as a driver may keep by accident or design. */
static int duplicate_page(void)
{
    DIR *fds = opendir("/proc/self/fd");
    int copy = -1;
    for (struct dirent *e; copy < 0 && fds && (e = readdir(fds));) {
        char path[300], target[256];
        snprintf(path, sizeof path, "/proc/self/fd/%s", e->d_name);
        const ssize_t n = readlink(path, target, sizeof target - 1);
        if (n > 0 && (target[n] = 0, strncmp(target, "/memfd:mirel-page", 17) == 0))
            copy = dup(atoi(e->d_name));
    }
    if (fds)
        closedir(fds);
    return copy;
}

static void report(const char *what)
{
    const char *path = getenv("FAULTY_REPORT");
    FILE *file = path ? fopen(path, "w") : NULL;
    if (file) {
        fputs(what, file);
        fclose(file);
    }
}

static void *truncate_later(void *fd)
{
    const struct timespec half = {0, 500000000};
    nanosleep(&half, NULL);
    /* A sealed page refuses: the front end keeps it whole. */
    report(ftruncate((int)(long)fd, 0) == 0 ? "truncated" : "refused");
    close((int)(long)fd);
    return NULL;
}

static void truncate_page_later(void)
{
    pthread_t thread;
    const int fd = duplicate_page();
    if (fd < 0)
        report("no page");
    else if (pthread_create(&thread, NULL, truncate_later, (void *)(long)fd) == 0)
        pthread_detach(thread);
}

SANE_Status sane_faulty_read(SANE_Handle handle, SANE_Byte *data, SANE_Int max_length,
                             SANE_Int *length)
{
    const long long total = (long long)params.bytes_per_line * params.lines;
    const int fault = fault_now ? values[OPT_FAULT] : NONE;
    const int behaves = fault == NONE || fault == TRUNCATE || fault == JAM || fault == COVER_OPEN;
    long long end = behaves ? total : total / 2;
    *length = 0;
    if (!scanning)
        return SANE_STATUS_CANCELLED;
    while (fault == LAMP)
        pause();
    if (position >= total) {
        scanning = 0;
        if (fault == TRUNCATE)
            truncate_page_later();
        return SANE_STATUS_EOF;
    }
    if (position >= end) {
        if (fault == SEGFAULT)
            *(volatile int *)NULL = 1;
        if (fault == ABORT)
            abort();
        if (fault == EXIT)
            _exit(3);
        while (fault == HANG)
            pause();
        if (fault == IO_ERROR)
            return SANE_STATUS_IO_ERROR;
        return SANE_STATUS_GOOD; /* zero-bytes: good, and nothing, for ever */
    }
    if (end - position > max_length)
        end = position + max_length;
    const int shift = values[OPT_SOURCE] == FLATBED ? 0 : 16 * (page - 1);
    for (; position < end; ++position, ++*length)
        *data++ = (SANE_Byte)(position % params.pixels_per_line +
                              position / params.pixels_per_line + shift);
    return SANE_STATUS_GOOD;
}

void sane_faulty_cancel(SANE_Handle handle)
{
    scanning = 0;
}

/* The dll backend answers "unsupported" for sane_set_io_mode and
 * sane_get_select_fd, which this backend leaves out: it only blocks. */
