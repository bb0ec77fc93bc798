// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "browser/FileList.h"
#include "feedback/Feedback.h"
#include "launch/LaunchServices.h"
#include "launch/LauncherState.h"
#include "platform/ProcessStarter.h"

namespace vorlent {

inline constexpr std::string_view kFmsxExecutableName = "fmsx-dos.exe";
inline constexpr std::string_view kBrmsxExecutableName = "brmsx.exe";

// What starting programs needs: the composers' services, the process starter and the
// channel that shows a failure.
struct StartServices {
  LaunchServices launch;
  ProcessStarter& processes;
  Feedback& feedback;
};

// The code shown for an emulator that was never located: the system's code for a missing file
// (ENOENT on POSIX and ERROR_FILE_NOT_FOUND on Windows alike).
inline constexpr int kMissingProgramCode = 2;

// The text of the information box for a failed start: the program as the user knows it (the
// emulator's name in double quotes, or a listed program's full path) and the system's code.
std::string startFailureText(std::string_view program, int errorCode);

// The same line, then, where the code alone does not say it, a second line with what is wrong
// and what to do.
std::string startFailureText(std::string_view program, const StartResult& result);

// Start the emulator with its composed command line while its folder is current. A failure is
// shown before the listed folder is made current again. An emulator without a path starts
// nothing and is shown as a missing file, with where to locate it. Return whether it started; a
// failure to write fMSX's response file is thrown as Failure and starts nothing.
bool runFmsx(const LauncherState& state, const StartServices& services);
bool runBrmsx(const LauncherState& state, const StartServices& services);

// Starts the named emulator exactly as its run command does (what the command-line companion
// calls).
bool runEmulator(EmulatorKind emulator, const LauncherState& state, const StartServices& services);

// The run-current command (F5): starts the active emulator only.
bool runCurrent(const LauncherState& state, const StartServices& services);

// Starts the executable that the file list's single selection names, by its full path and
// without arguments, in the listed folder. Does nothing unless exactly one entry is selected.
bool runListedProgram(const FileList& list, ProcessStarter& processes, Feedback& feedback);

}  // namespace vorlent
