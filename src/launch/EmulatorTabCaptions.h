// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace vorlent {

// Captions of the emulator tabs, by EmulatorKind.
inline constexpr std::array<std::string_view, 2> kEmulatorTabCaptions = {
    "BRMSX 2.6(MS-DOS)",
    "fMSX MS-DOS 1.6b2.a",
};

}  // namespace vorlent
