// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/FmsxOptions.h"
#include "launch/LaunchServices.h"
#include "launch/LauncherState.h"

namespace vorlent {

inline constexpr std::string_view kResponseFileName = "Vorlent.cfg";
inline constexpr std::string_view kResponseFileReference = " @Vorlent.cfg";

// The options as fMSX reads them from its response file; empty when every option is at the
// value that writes nothing.
std::string fmsxOptionText(const FmsxOptions& options);

std::string fmsxModelToken(int fmsxModel);
std::string fmsxResolutionToken(int fmsxResolution);

// The fMSX mapper number of a mapper code, or -1 for a code outside 7 to 17.
int fmsxMapperNumber(int mapperCode);

// One " -rom " token for the slots whose mapper code has an fMSX number: their numbers joined
// by ",", then their paths.
std::string fmsxCartridgeTokens(const Cartridges& slots);
std::string fmsxDiskTokens(std::string_view drive1Path, std::string_view drive2Path);

// The folder part of the executable's path followed by "/Vorlent.cfg".
std::string fmsxResponseFilePath(std::string_view fmsxExePath, PathStyle style);

// Writes the option text and CR LF into the response file when the executable exists and the
// option text is not empty; returns whether it wrote. A write failure is thrown as Failure.
bool writeResponseFile(const LauncherState& state, FileSystem& files, PathStyle style,
                       const SystemTextCodec& systemText);

// Composes the fMSX command line with the emulator's folder current, rewriting the response
// file when it is used, and hands the line to start (when given) before the folder that was
// current is made current again, on every way out.
std::string buildFmsxCommand(const LauncherState& state, const LaunchServices& services,
                             const StartCommand& start);

}  // namespace vorlent
