// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "browser/FileList.h"
#include "feedback/Feedback.h"
#include "feedback/Prompts.h"
#include "launch/ExecutableMarks.h"
#include "launch/LauncherState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileNameMatcher.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/ShortPaths.h"

namespace vorlent {

// What locating the emulator executables needs of the system and the user.
struct LocatorServices {
  CurrentFolder& currentFolder;
  FileSystem& files;
  FileNameMatcher& fileNames;
  ShortPaths& shortPaths;
  Prompts& prompts;
  Feedback& feedback;
  PathStyle pathStyle;
  // Shows the marks on the buttons; called as soon as a mark is set, so that the button shows
  // the found executable while its confirmation is still open.
  std::function<void()> showMarks;
};

// The text shown after an executable has been located.
std::string executableConfirmationText();

// The folder chooser's prompt for the executable's name ("fmsx-dos.exe").
std::string chooseFolderPrompt(std::string_view executableName);

// The chosen folder, one delimiter unless it already ends in one, and the executable's name.
std::string executableCandidate(std::string_view folder, std::string_view executableName,
                                PathStyle style);

// Ask for the emulator's folder; when the executable is there, mark it, confirm, and store the
// short form of its path. A cancel or a folder without it changes nothing and says nothing.
// Return whether the executable was taken.
bool chooseFmsxFolder(LauncherState& state, ExecutableMarks& marks,
                      const LocatorServices& services);
bool chooseBrmsxFolder(LauncherState& state, ExecutableMarks& marks,
                       const LocatorServices& services);

// Take the focused entry of the file list as the emulator's executable when its caption, in
// lower case, is the executable's name. Return whether it was taken.
bool takeListedFmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                    const LocatorServices& services);
bool takeListedBrmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                     const LocatorServices& services);

// At program start: marks each executable whose stored path names an existing file.
void markKnownExecutables(const LauncherState& state, ExecutableMarks& marks,
                          const FileSystem& files);

}  // namespace vorlent
