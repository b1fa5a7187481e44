// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

// The options every driver names alike, which the scan dialog shows itself
// or places first. Other options are the driver's own and go by the names it
// gives them.
namespace OptionName {

inline constexpr QLatin1StringView mode{"mode"};
inline constexpr QLatin1StringView resolution{"resolution"};
inline constexpr QLatin1StringView source{"source"};
// The scan area's corners: top-left and bottom-right.
inline constexpr QLatin1StringView topLeftX{"tl-x"};
inline constexpr QLatin1StringView topLeftY{"tl-y"};
inline constexpr QLatin1StringView bottomRightX{"br-x"};
inline constexpr QLatin1StringView bottomRightY{"br-y"};
inline constexpr QLatin1StringView brightness{"brightness"};
inline constexpr QLatin1StringView contrast{"contrast"};
inline constexpr QLatin1StringView threshold{"threshold"};

} // namespace OptionName
