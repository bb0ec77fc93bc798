// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace vorlent {

// The 100 lines of the configuration file, each ended by CR LF. A text that a line cannot hold
// (it contains a CR or an LF) is written as an empty line, so the layout never shifts.
std::string configFileText(const LauncherState& state, std::string_view currentFolder);

// What a load needs of the system: existence tests and the current folder.
struct ConfigLoadServices {
  const FileSystem& files;
  CurrentFolder& currentFolder;
  PathStyle pathStyle;
};

// Reads the lines over the state and the names the media buttons show, line by line. At the
// first line that fails, throws Failure with its text; every line before it stays applied.
void applyConfigText(std::string_view text, LauncherState& state, MediaPanelState& panel,
                     const ConfigLoadServices& services);

}  // namespace vorlent
