// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace vorlent {

// Where the configuration file is read and written.
struct SettingsLocation {
  std::string readPath;
  std::string writePath;
  // The file is rewritten where it stands, since its folder takes no new file beside it.
  bool inPlace = false;

  bool operator==(const SettingsLocation&) const = default;
};

// The user's own settings folder with its delimiter, made when asked for; nothing without one.
using UserSettingsFolder = std::function<std::optional<std::string>()>;

// How the program was put on the machine.
enum class ProgramPlacement {
  // Unpacked or built where the user keeps it: settings beside it where they can be kept.
  Portable,
  // Installed by the system's packages, shared by every user.
  Installed,
};

// What this build is; the system's package builds the installed program.
ProgramPlacement thisProgramPlacement();

// A portable program's settings: the file beside the program stays the settings wherever its
// folder can take it, or, where the folder takes no new file, wherever that file can be
// rewritten in place. Otherwise the settings live in the user's own folder under the same name,
// read from beside the program while the user has no file there yet. Without a user folder, the
// file beside the program it is (a save then reports why it fails).
// An installed program's settings live in the user's own folder for every user, root included;
// the file beside the program is never read or written (without a user folder, the paths are
// empty and a save reports why it fails).
SettingsLocation chooseSettingsLocation(std::string_view besidePath, std::string_view fileName,
                                        const FileSystem& files,
                                        const UserSettingsFolder& userFolder,
                                        ProgramPlacement placement = thisProgramPlacement());

}  // namespace vorlent
