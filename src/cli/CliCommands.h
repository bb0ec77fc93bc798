// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "launch/LauncherState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

// The result of one companion command: the bytes for stdout, for stderr, and the exit status.
struct CliResult {
  std::string out;
  std::string err;
  int status = 0;
};

inline constexpr int kCliLoadFailed = 1;
inline constexpr int kCliUsage = 2;

CliResult usageResult();

// A text for the terminal, one record a line: each line of the text (a line feed ends one)
// shown as the window shows a name (see withControlsMarked), so that nothing a name or a
// failure holds can act on the terminal, then ended by a line feed.
std::string terminalLines(std::string_view text);

// Loads the setup as the program loads it at start, line 1 making its folder current: from the
// given file, or from the Vorlent.ini beside the program. A failure is thrown as Failure.
void loadSetup(const std::optional<std::string>& configFile, FileSystem& files,
               CurrentFolder& currentFolder, const SystemTextCodec& systemText,
               LauncherState& state);

// "command brmsx|fmsx" and "options brmsx|fmsx", with the configuration file to load (the one
// beside the program when none is given).
CliResult runEmulatorCommand(std::string_view command, std::string_view emulator,
                             const std::optional<std::string>& configFile);

}  // namespace vorlent
