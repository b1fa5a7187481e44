// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenWatch.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <ctime>

namespace {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

} // namespace

ScreenWatch::ScreenWatch()
{
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t *damage =
        xcb_connection_has_error(c) ? nullptr : xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    // Every top-level window is a child of the root: its creation and its
    // map are told to whoever listens on the root's structure.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
}

ScreenWatch::~ScreenWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

void ScreenWatch::arm()
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
        free(event);
    m_created.clear();
    m_mapped.clear();
}

void ScreenWatch::watch(uint32_t window)
{
    // Nothing is drawn into a window before it is mapped, and the program
    // needs a round trip through its event loop between the two, so a damage
    // object made on creation sees the first drawing.
    m_created.insert(window);
    xcb_damage_create(m_connection, xcb_generate_id(m_connection), window,
                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    xcb_flush(m_connection);
}

qint64 ScreenWatch::waitForShownWindow(int timeoutMs)
{
    const qint64 deadline = nowNs() + qint64(timeoutMs) * 1000000;
    pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        if (!event) {
            const qint64 left = (deadline - nowNs()) / 1000000;
            if (left <= 0 || xcb_connection_has_error(m_connection) || poll(&fd, 1, int(left)) < 0)
                return -1;
            continue;
        }
        const qint64 at = nowNs();
        const uint8_t type = event->response_type & 0x7f;
        uint32_t drawn = 0;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (!created->override_redirect)
                watch(created->window);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (m_created.contains(mapped->window))
                m_mapped.insert(mapped->window);
        } else if (type == m_damageEvent) {
            drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable;
        }
        free(event);
        if (drawn && m_mapped.contains(drawn))
            return at;
    }
}
