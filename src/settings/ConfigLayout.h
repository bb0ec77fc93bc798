// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "launch/BrmsxOptions.h"
#include "launch/FmsxOptions.h"

namespace vorlent {

inline constexpr std::string_view kConfigFileName = "Vorlent.ini";
inline constexpr std::string_view kConfigBackupSuffix = ".bak";
inline constexpr int kConfigLineCount = 100;

// The fixed marker lines; a load skips them without reading their text.
inline constexpr std::string_view kFmsxExeMarker = "[fmsx-dos.exe]";        // line 2
inline constexpr std::string_view kBrmsxExeMarker = "[brmsx.exe]";          // line 4
inline constexpr std::string_view kPalamsxExeMarker = "[xxxxxxxxx]";        // line 6
inline constexpr std::string_view kImageFilesMarker = "[Image Files]";      // line 8
inline constexpr std::string_view kFmsxParameterMarker = "[F Paramater]";   // line 34
inline constexpr std::string_view kBrmsxParameterMarker = "[B Paramater]";  // line 58

// The option lines in file order: the fMSX options on lines 37 to 57, the brMSX options on
// lines 61 to 100. The order is part of the file's format.
inline constexpr std::array<int FmsxOptions::*, 21> kFmsxOptionLines = {
    &FmsxOptions::ifreq,   &FmsxOptions::speed,      &FmsxOptions::swapb,   &FmsxOptions::vram,
    &FmsxOptions::ram,     &FmsxOptions::joystick,   &FmsxOptions::sync,    &FmsxOptions::adjust,
    &FmsxOptions::sprite,  &FmsxOptions::modeswitch, &FmsxOptions::chipset, &FmsxOptions::uperiod,
    &FmsxOptions::sound,   &FmsxOptions::vol,        &FmsxOptions::scc,     &FmsxOptions::fmpac,
    &FmsxOptions::sq,      &FmsxOptions::stereo,     &FmsxOptions::reveb,   &FmsxOptions::chorus,
    &FmsxOptions::verbose,
};
inline constexpr std::array<int BrmsxOptions::*, 40> kBrmsxOptionLines = {
    &BrmsxOptions::ifreq,     &BrmsxOptions::cpu,       &BrmsxOptions::ram,
    &BrmsxOptions::Korean,    &BrmsxOptions::megaram,   &BrmsxOptions::mapper,
    &BrmsxOptions::vsync,     &BrmsxOptions::green,     &BrmsxOptions::frame,
    &BrmsxOptions::allspr,    &BrmsxOptions::vdptiming, &BrmsxOptions::nocache,
    &BrmsxOptions::cpug,      &BrmsxOptions::psgg,      &BrmsxOptions::nosound,
    &BrmsxOptions::scc,       &BrmsxOptions::fmpac,     &BrmsxOptions::speaker,
    &BrmsxOptions::sr,        &BrmsxOptions::joy,       &BrmsxOptions::joysens,
    &BrmsxOptions::fakejoy,   &BrmsxOptions::snespad,   &BrmsxOptions::autofire,
    &BrmsxOptions::autorun,   &BrmsxOptions::autospeed, &BrmsxOptions::nommx,
    &BrmsxOptions::nomouse,   &BrmsxOptions::novesa,    &BrmsxOptions::noled,
    &BrmsxOptions::nopentium, &BrmsxOptions::help,      &BrmsxOptions::noenter,
    &BrmsxOptions::sq,        &BrmsxOptions::multi,     &BrmsxOptions::com,
    &BrmsxOptions::trtimer,   &BrmsxOptions::dos2,      &BrmsxOptions::diskhl,
    &BrmsxOptions::advram,
};

}  // namespace vorlent
