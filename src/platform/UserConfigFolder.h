// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vorlent {

// The user's own folder for the program's settings, ending in its delimiter, made when it is
// missing: "$XDG_CONFIG_HOME/vorlent/" (by default "~/.config/vorlent/") on POSIX,
// "%APPDATA%\Vorlent\" on Windows. Nothing when there is no such folder and none can be made.
std::optional<std::string> userConfigFolder();

}  // namespace vorlent
