// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "launch/EmulatorTabCaptions.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"

namespace vorlent {

// Names of the mapper types 0 to 10 in the slot menus while each emulator is active.
inline constexpr std::array<std::string_view, kMapperTypeCount> kBrmsxMapperNames = {
    "Generic MegaROM with SCC",
    "MSX-DOS 2",
    "Konami with SCC",
    "Konami without SCC",
    "ASCII 8kB",
    "ASCII 8kB with 8kB SRAM",
    "ASCII 16kB",
    "ASCII 16kB with 2kB SRAM",
    "Panasonic FM-PAC with 8kb SRAM",
    "Konami with 8-bit DAC",
    "Auto Detect",
};
inline constexpr std::array<std::string_view, kMapperTypeCount> kFmsxMapperNames = {
    "Konami 8kB",          "Konami 16kB",         "Konami5 8kB",         "Konami4 8kB",
    "ASCII 8kB",           "ASCII 8kB",           "ASCII 16kB",          "ASCII 16kB",
    "NO USED(Konami 8kB)", "NO USED(Konami 8kB)", "NO USED(Konami 8kB)",
};

// Items of the model menus (the same for both emulators) and of the resolution menus.
inline constexpr std::array<std::string_view, kModelItemCount> kModelItemCaptions = {
    "MSX1",
    "MSX2",
    "MSX2+",
};
inline constexpr std::array<std::string_view, kFmsxResolutionItemCount> kFmsxResolutionCaptions = {
    "320x200",
    "320x240",
    "640x480",
    "256x212",
};
inline constexpr std::array<std::string_view, kBrmsxResolutionItemCount> kBrmsxResolutionCaptions =
    {
        "320x200x8  MSX 1 default",
        "256x200x8  MSX 1 large screen",
        "512x384x8  MSX 1 TV emulation (interpolation+scanlines)",
        "256x192x8  MSX 1 square pixels",
        "512x384x15 MSX 1 Parrot engine",
        "320x200x8  MSX 2 default",
        "512x384x8  MSX 2 full width support",
        "512x384x8  MSX 2 full width support with black scanlines",
        "640x480x8  MSX 2 full screen support with black scanlines",
        "512x384x15 MSX 2+ with support to YJK system",
};

}  // namespace vorlent
