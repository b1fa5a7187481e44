// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSet>
#include <QtGlobal>

#include <cstdint>

struct xcb_connection_t;

// What a user watching the screen sees, told by the X server to a client of
// its own: the moment a new top-level window is mapped and its first pixels
// have reached it. The server reports the map (MapNotify on the root window)
// and, through the DAMAGE extension, the first drawing into the window.
class ScreenWatch
{
public:
    ScreenWatch();
    ~ScreenWatch();
    bool ok() const { return m_connection != nullptr; }

    // Forgets the windows seen so far; call right before starting a program.
    void arm();
    // CLOCK_MONOTONIC ns at which a window created since arm() was mapped
    // and drawn into; -1 when that did not happen within timeoutMs.
    qint64 waitForShownWindow(int timeoutMs);

private:
    void watch(uint32_t window);

    xcb_connection_t *m_connection = nullptr;
    uint8_t m_damageEvent = 0;
    QSet<uint32_t> m_created, m_mapped;
};
