// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

/* A SANE backend that misbehaves on request, for tests: one device,
 * "faulty:0", whose option "fault" chooses how it fails half-way through a
 * page. No real backend crashes, aborts or hangs on demand, and a front end
 * has to survive all three.
 *
 * The page is a pattern a test can check pixel by pixel, so it can tell that
 * every line arrived, in order:
 *   Gray:  value(x, y) = (x + y) & 0xff
 *   Color: (R, G, B)(x, y) = (x & 0xff, y & 0xff, (x + y) & 0xff)
 * with x and y counted in pixels from the top-left corner of the scan area.
 *
 * Faults, chosen before sane_start and striking once half the page's bytes
 * have been read:
 *   none        behaves
 *   segfault    writes through a null pointer
 *   abort       calls abort()
 *   hang        blocks in sane_read for ever; sane_cancel cannot wake it
 *   zero-bytes  answers every read with "good, 0 bytes", as SANE's net
 *               backend does once its server is gone
 *   exit        calls _exit(3), as a driver that gives up on its own would
 */
#include <sane/sane.h>
#include <sane/saneopts.h>

#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#define BED_WIDTH_MM 216
#define BED_HEIGHT_MM 297

enum {
    OPT_COUNT,
    OPT_MODE,
    OPT_RESOLUTION,
    OPT_TL_X,
    OPT_TL_Y,
    OPT_BR_X,
    OPT_BR_Y,
    OPT_FAULT,
    OPT_N
};

static SANE_String_Const modes[] = {SANE_VALUE_SCAN_MODE_GRAY, SANE_VALUE_SCAN_MODE_COLOR, NULL};
static SANE_String_Const faults[] = {"none",       "segfault", "abort", "hang",
                                     "zero-bytes", "exit",     NULL};
/* The first entry of a word list is its length. */
static const SANE_Word resolutions[] = {7, 50, 75, 100, 150, 200, 300, 600};
static const SANE_Range x_range = {0, SANE_FIX(BED_WIDTH_MM), 0};
static const SANE_Range y_range = {0, SANE_FIX(BED_HEIGHT_MM), 0};

static SANE_Option_Descriptor descriptors[OPT_N];
static SANE_Word values[OPT_N];
static char mode[16];
static char fault[16];

/* SANE's dll backend puts "faulty:" in front. */
static const SANE_Device device = {"0", "Mirel", "Faulty test scanner", "virtual device"};
static const SANE_Device *device_list[] = {&device, NULL};

static int is_open;
static int scanning;
static SANE_Parameters params;
static long long position; /* bytes of the page handed out so far */

static void describe(int index, const char *name, const char *title, SANE_Value_Type type,
                     SANE_Unit unit, SANE_Int size)
{
    SANE_Option_Descriptor *d = &descriptors[index];
    d->name = name;
    d->title = title;
    d->desc = title;
    d->type = type;
    d->unit = unit;
    d->size = size;
    d->cap = SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT;
}

static void range(int index, const SANE_Range *r)
{
    descriptors[index].constraint_type = SANE_CONSTRAINT_RANGE;
    descriptors[index].constraint.range = r;
}

SANE_Status sane_faulty_init(SANE_Int *version_code, SANE_Auth_Callback authorize)
{
    (void)authorize;
    if (version_code)
        *version_code = SANE_VERSION_CODE(1, 0, 0);
    memset(descriptors, 0, sizeof descriptors);
    describe(OPT_COUNT, "", "Number of options", SANE_TYPE_INT, SANE_UNIT_NONE, sizeof(SANE_Word));
    descriptors[OPT_COUNT].cap = SANE_CAP_SOFT_DETECT;
    describe(OPT_MODE, SANE_NAME_SCAN_MODE, "Scan mode", SANE_TYPE_STRING, SANE_UNIT_NONE,
             sizeof mode);
    descriptors[OPT_MODE].constraint_type = SANE_CONSTRAINT_STRING_LIST;
    descriptors[OPT_MODE].constraint.string_list = modes;
    describe(OPT_RESOLUTION, SANE_NAME_SCAN_RESOLUTION, "Scan resolution", SANE_TYPE_INT,
             SANE_UNIT_DPI, sizeof(SANE_Word));
    descriptors[OPT_RESOLUTION].constraint_type = SANE_CONSTRAINT_WORD_LIST;
    descriptors[OPT_RESOLUTION].constraint.word_list = resolutions;
    describe(OPT_TL_X, SANE_NAME_SCAN_TL_X, "Top-left x", SANE_TYPE_FIXED, SANE_UNIT_MM,
             sizeof(SANE_Word));
    describe(OPT_TL_Y, SANE_NAME_SCAN_TL_Y, "Top-left y", SANE_TYPE_FIXED, SANE_UNIT_MM,
             sizeof(SANE_Word));
    describe(OPT_BR_X, SANE_NAME_SCAN_BR_X, "Bottom-right x", SANE_TYPE_FIXED, SANE_UNIT_MM,
             sizeof(SANE_Word));
    describe(OPT_BR_Y, SANE_NAME_SCAN_BR_Y, "Bottom-right y", SANE_TYPE_FIXED, SANE_UNIT_MM,
             sizeof(SANE_Word));
    range(OPT_TL_X, &x_range);
    range(OPT_BR_X, &x_range);
    range(OPT_TL_Y, &y_range);
    range(OPT_BR_Y, &y_range);
    describe(OPT_FAULT, "fault", "Fault", SANE_TYPE_STRING, SANE_UNIT_NONE, sizeof fault);
    descriptors[OPT_FAULT].constraint_type = SANE_CONSTRAINT_STRING_LIST;
    descriptors[OPT_FAULT].constraint.string_list = faults;

    /* Defaults like SANE's test backend: a small grey area at low resolution. */
    values[OPT_COUNT] = OPT_N;
    values[OPT_RESOLUTION] = 50;
    values[OPT_TL_X] = values[OPT_TL_Y] = 0;
    values[OPT_BR_X] = SANE_FIX(80);
    values[OPT_BR_Y] = SANE_FIX(100);
    strcpy(mode, SANE_VALUE_SCAN_MODE_GRAY);
    strcpy(fault, "none");
    is_open = scanning = 0;
    return SANE_STATUS_GOOD;
}

void sane_faulty_exit(void) {}

SANE_Status sane_faulty_get_devices(const SANE_Device ***list, SANE_Bool local_only)
{
    (void)local_only;
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
    (void)handle;
    is_open = scanning = 0;
}

const SANE_Option_Descriptor *sane_faulty_get_option_descriptor(SANE_Handle handle, SANE_Int n)
{
    (void)handle;
    return n >= 0 && n < OPT_N ? &descriptors[n] : NULL;
}

static int in_list(SANE_String_Const const *list, const char *s)
{
    for (; *list; ++list)
        if (strcmp(*list, s) == 0)
            return 1;
    return 0;
}

SANE_Status sane_faulty_control_option(SANE_Handle handle, SANE_Int n, SANE_Action action,
                                       void *value, SANE_Int *info)
{
    (void)handle;
    if (info)
        *info = 0;
    if (n < 0 || n >= OPT_N || !value)
        return SANE_STATUS_INVAL;
    char *text = n == OPT_MODE ? mode : n == OPT_FAULT ? fault : NULL;
    if (action == SANE_ACTION_GET_VALUE) {
        if (text)
            strcpy(value, text);
        else
            *(SANE_Word *)value = values[n];
        return SANE_STATUS_GOOD;
    }
    if (action != SANE_ACTION_SET_VALUE || n == OPT_COUNT)
        return SANE_STATUS_INVAL;
    if (scanning)
        return SANE_STATUS_DEVICE_BUSY;
    if (text) {
        if (!in_list(descriptors[n].constraint.string_list, value))
            return SANE_STATUS_INVAL;
        strcpy(text, value);
    } else {
        SANE_Word w = *(SANE_Word *)value;
        if (n == OPT_RESOLUTION) {
            int i, found = 0;
            for (i = 1; i <= resolutions[0]; ++i)
                found |= resolutions[i] == w;
            if (!found)
                return SANE_STATUS_INVAL;
        } else {
            const SANE_Range *r = descriptors[n].constraint.range;
            SANE_Word clamped = w < r->min ? r->min : w > r->max ? r->max : w;
            if (clamped != w && info)
                *info |= SANE_INFO_INEXACT;
            w = clamped;
        }
        values[n] = w;
    }
    if (info && n != OPT_FAULT)
        *info |= SANE_INFO_RELOAD_PARAMS;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_get_parameters(SANE_Handle handle, SANE_Parameters *p)
{
    (void)handle;
    if (!scanning) {
        /* Millimetres to pixels; a reversed corner pair scans nothing. */
        double dpmm = values[OPT_RESOLUTION] / 25.4;
        double w = SANE_UNFIX(values[OPT_BR_X] - values[OPT_TL_X]) * dpmm;
        double h = SANE_UNFIX(values[OPT_BR_Y] - values[OPT_TL_Y]) * dpmm;
        int color = strcmp(mode, SANE_VALUE_SCAN_MODE_COLOR) == 0;
        params.format = color ? SANE_FRAME_RGB : SANE_FRAME_GRAY;
        params.last_frame = SANE_TRUE;
        params.depth = 8;
        params.pixels_per_line = w > 0 ? (SANE_Int)w : 0;
        params.lines = h > 0 ? (SANE_Int)h : 0;
        params.bytes_per_line = params.pixels_per_line * (color ? 3 : 1);
    }
    if (p)
        *p = params;
    return SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_start(SANE_Handle handle)
{
    if (scanning)
        return SANE_STATUS_DEVICE_BUSY;
    sane_faulty_get_parameters(handle, NULL);
    if (params.lines == 0 || params.pixels_per_line == 0)
        return SANE_STATUS_INVAL;
    position = 0;
    scanning = 1;
    return SANE_STATUS_GOOD;
}

static void strike(void)
{
    if (strcmp(fault, "segfault") == 0)
        *(volatile int *)NULL = 1;
    else if (strcmp(fault, "abort") == 0)
        abort();
    else if (strcmp(fault, "exit") == 0)
        _exit(3);
    else if (strcmp(fault, "hang") == 0)
        for (;;)
            pause();
}

SANE_Status sane_faulty_read(SANE_Handle handle, SANE_Byte *data, SANE_Int max_length,
                             SANE_Int *length)
{
    (void)handle;
    *length = 0;
    if (!scanning)
        return SANE_STATUS_CANCELLED;
    const long long total = (long long)params.bytes_per_line * params.lines;
    const long long half = total / 2;
    const int faulty = strcmp(fault, "none") != 0;
    if (position >= total) {
        scanning = 0;
        return SANE_STATUS_EOF;
    }
    if (faulty && position >= half) {
        strike();
        return SANE_STATUS_GOOD; /* zero-bytes: good, and nothing, for ever */
    }
    long long end = faulty ? half : total;
    if (end - position > max_length)
        end = position + max_length;
    const int channels = params.format == SANE_FRAME_RGB ? 3 : 1;
    for (; position < end; ++position, ++*length) {
        long long pixel = position / channels;
        int x = (int)(pixel % params.pixels_per_line);
        int y = (int)(pixel / params.pixels_per_line);
        int c = channels == 1 ? 2 : (int)(position % channels);
        *data++ = (SANE_Byte)(c == 0 ? x : c == 1 ? y : x + y);
    }
    return SANE_STATUS_GOOD;
}

void sane_faulty_cancel(SANE_Handle handle)
{
    (void)handle;
    scanning = 0;
}

SANE_Status sane_faulty_set_io_mode(SANE_Handle handle, SANE_Bool non_blocking)
{
    (void)handle;
    return non_blocking ? SANE_STATUS_UNSUPPORTED : SANE_STATUS_GOOD;
}

SANE_Status sane_faulty_get_select_fd(SANE_Handle handle, SANE_Int *fd)
{
    (void)handle;
    (void)fd;
    return SANE_STATUS_UNSUPPORTED;
}
