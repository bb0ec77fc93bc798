// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/CliCommands.h"

namespace vorlent {

// "run brmsx|fmsx": loads the setup as the program does at start and starts that emulator as
// its run command does. Status 0 when it started; 1 with the failure's text on stderr when the
// load or the start failed.
CliResult runEmulatorStart(std::string_view emulator, const std::optional<std::string>& configFile);

}  // namespace vorlent
