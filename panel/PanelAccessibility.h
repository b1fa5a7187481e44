// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes the panel's captions push buttons to assistive technology (the
// switches check boxes) and its displays spin boxes with their values. Safe to
// call more than once; the panel's widgets call it when they are built.
void InstallPanelAccessibility();
