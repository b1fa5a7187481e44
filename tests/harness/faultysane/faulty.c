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
 *   truncate    behaves, but keeps a duplicate of the front end's shared page
 *               (its memfd "mirel-page", found among this process's
 *               descriptors) and half a second after the page was handed
 *               over truncates it to nothing
 *
 * and one fails before the first byte:
 *
 *   lamp        blocks in its first sane_read for ever, as a scanner whose
 *               lamp never warms up
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

enum { OPT_COUNT, OPT_RESOLUTION, OPT_FAULT, OPT_N };
enum { NONE, SEGFAULT, ABORT, HANG, ZERO_BYTES, EXIT, TRUNCATE, LAMP };

static SANE_String_Const faults[] = {"none", "segfault", "abort", "hang", "zero-bytes",
                                     "exit", "truncate", "lamp",  0};
static const SANE_Word resolutions[] = {3, 50, 100, 300}; /* the length first */
#define OPT(NAME, TYPE, UNIT, SIZE, KIND)                                                          \
    NAME, NAME, "", SANE_TYPE_##TYPE, SANE_UNIT_##UNIT, SIZE,                                      \
        SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT, SANE_CONSTRAINT_##KIND
static const SANE_Option_Descriptor options[OPT_N] = {
    {OPT("", INT, NONE, sizeof(SANE_Word), NONE), {0}},
    {OPT(SANE_NAME_SCAN_RESOLUTION, INT, DPI, sizeof(SANE_Word), WORD_LIST),
     {.word_list = resolutions}},
    {OPT("fault", STRING, NONE, 16, STRING_LIST), {faults}},
};

/* SANE's dll backend puts "faulty:" in front. */
static const SANE_Device device = {"0", "Mirel", "Faulty test scanner", "virtual device"};
static const SANE_Device *device_list[] = {&device, NULL};

static SANE_Word values[OPT_N]; /* values[OPT_FAULT] indexes faults */
static int is_open, scanning;
static SANE_Parameters params;
static long long position; /* bytes of the page handed out so far */

SANE_Status sane_faulty_init(SANE_Int *version_code, SANE_Auth_Callback authorize)
{
    if (version_code)
        *version_code = SANE_VERSION_CODE(1, 0, 0);
    const SANE_Word defaults[OPT_N] = {OPT_N, 50, NONE};
    memcpy(values, defaults, sizeof values);
    is_open = scanning = 0;
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
    if (get && n == OPT_FAULT)
        strcpy(value, faults[values[n]]);
    else if (get)
        *(SANE_Word *)value = values[n];
    if (get)
        return SANE_STATUS_GOOD;
    SANE_Word w = -1;
    for (int i = 1; n == OPT_RESOLUTION && i <= resolutions[0]; ++i)
        if (resolutions[i] == *(SANE_Word *)value)
            w = resolutions[i];
    for (int i = 0; n == OPT_FAULT && faults[i]; ++i)
        if (strcmp(faults[i], value) == 0)
            w = i;
    if (w < 0)
        return SANE_STATUS_INVAL;
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

static void *truncate_later(void *fd)
{
    const struct timespec half = {0, 500000000};
    nanosleep(&half, NULL);
    if (ftruncate((int)(long)fd, 0) != 0) {
        /* a sealed page: the front end keeps it whole */
    }
    close((int)(long)fd);
    return NULL;
}

static void truncate_page_later(void)
{
    pthread_t thread;
    const int fd = duplicate_page();
    if (fd >= 0 && pthread_create(&thread, NULL, truncate_later, (void *)(long)fd) == 0)
        pthread_detach(thread);
}

SANE_Status sane_faulty_read(SANE_Handle handle, SANE_Byte *data, SANE_Int max_length,
                             SANE_Int *length)
{
    const long long total = (long long)params.bytes_per_line * params.lines;
    const int behaves = values[OPT_FAULT] == NONE || values[OPT_FAULT] == TRUNCATE;
    long long end = behaves ? total : total / 2;
    *length = 0;
    if (!scanning)
        return SANE_STATUS_CANCELLED;
    while (values[OPT_FAULT] == LAMP)
        pause();
    if (position >= total) {
        scanning = 0;
        if (values[OPT_FAULT] == TRUNCATE)
            truncate_page_later();
        return SANE_STATUS_EOF;
    }
    if (position >= end) {
        if (values[OPT_FAULT] == SEGFAULT)
            *(volatile int *)NULL = 1;
        if (values[OPT_FAULT] == ABORT)
            abort();
        if (values[OPT_FAULT] == EXIT)
            _exit(3);
        while (values[OPT_FAULT] == HANG)
            pause();
        return SANE_STATUS_GOOD; /* zero-bytes: good, and nothing, for ever */
    }
    if (end - position > max_length)
        end = position + max_length;
    for (; position < end; ++position, ++*length)
        *data++ =
            (SANE_Byte)(position % params.pixels_per_line + position / params.pixels_per_line);
    return SANE_STATUS_GOOD;
}

void sane_faulty_cancel(SANE_Handle handle)
{
    scanning = 0;
}

/* The dll backend answers "unsupported" for sane_set_io_mode and
 * sane_get_select_fd, which this backend leaves out: it only blocks. */
