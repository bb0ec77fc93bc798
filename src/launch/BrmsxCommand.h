// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/BrmsxOptions.h"
#include "launch/LaunchServices.h"
#include "launch/LauncherState.h"

namespace vorlent {

// The options as brMSX takes them on its command line; empty when every option is at the value
// that writes nothing.
std::string brmsxOptionText(const BrmsxOptions& options);

std::string brmsxModelToken(int brmsxModel);
std::string brmsxResolutionToken(int brmsxResolution);

// The brMSX mapper number of a mapper code (17, auto detect, has none), or -1 outside 7 to 16.
int brmsxMapperNumber(int mapperCode);

// " -roma " for slot 1 and " -romb " for slot 2, each with its mapper number and path; a
// cartridge of the auto-detect code is given by its path alone.
std::string brmsxCartridgeTokens(const Cartridges& slots);
std::string brmsxDiskToken(std::string_view drive1Path);

// The command line without touching the current folder.
std::string composeBrmsxCommand(const LauncherState& state, PathStyle style);

// What the command check shows: the command line, "(", its length in bytes, ")".
std::string brmsxCommandCheckText(const LauncherState& state, PathStyle style,
                                  const SystemTextCodec& systemText);

// Composes the command line and hands it to start (when given) with the emulator's folder
// current; the folder that was current is made current again on every way out.
std::string buildBrmsxCommand(const LauncherState& state, const LaunchServices& services,
                              const StartCommand& start);

}  // namespace vorlent
