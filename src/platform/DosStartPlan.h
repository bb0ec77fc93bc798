// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// The most that MS-DOS hands a program as its command tail (the text after the program name).
inline constexpr std::size_t kDosCommandTailLimit = 126;

// The drive that shows the host files named on a command line under 8.3 names.
inline constexpr char kStagingDrive = 'D';

// A host file made visible on the staging drive under an 8.3 name.
struct StagedFile {
  std::string dosName;
  std::string hostPath;

  bool operator==(const StagedFile&) const = default;
};

// How an MS-DOS program and its arguments are run inside DOSBox, with the program's folder as
// drive C:.
struct DosStartPlan {
  // What the DOS shell is given to run: the program's name on C:, or its staged path.
  std::string program;
  std::vector<std::string> arguments;
  std::vector<StagedFile> stagedFiles;
  // The first word that cannot reach DOSBox's shell as it stands; the start is then refused.
  std::optional<std::string> refusedWord;

  // The arguments as MS-DOS hands them to the program: each preceded by a blank.
  std::string commandTail() const;
  std::string shellLine() const { return program + commandTail(); }
};

// Whether DOSBox's shell would read something in the text rather than pass it on: its start-up
// commands form a batch file, so a line end starts another command and "%" names a variable;
// "<", ">" and "|" redirect and pipe, '"' turns that off and on, and DOSBox on Windows reads "'"
// as '"'. Control bytes are dropped or end the line.
bool dosShellReadsAnyOf(std::string_view text);

// Whether an argument that names no host file may be passed as it stands: nothing the shell
// reads, and no path delimiter, since a host path that names no regular file means nothing in
// MS-DOS and is no option of the program's.
bool passesAsItStands(std::string_view argument);

// Whether the shell would read something in a program's name at the start of its line.
bool dosShellReadsProgramName(std::string_view name);

// Whether a program may be named by this file name on the shell line as it stands.
bool isPlainDosProgramName(std::string_view name);

// Whether the name is a valid MS-DOS 8.3 file name that needs no translation.
bool isDosShortName(std::string_view name);

// The stems of the names a staged program ("RUN0.EXE") and the staged media ("M1.DSK") get.
inline constexpr std::string_view kStagedProgramStem = "RUN";
inline constexpr std::string_view kStagedMediumStem = "M";

// The 8.3 name a host file gets on the staging drive: the stem and the number, then the host
// name's extension in upper case when it can stand in an 8.3 name ("M1.DSK").
std::string stagedDosName(std::string_view stem, std::size_t number, std::string_view hostName);

// Returns the absolute host path of an existing host file that an argument names, or nothing.
using HostFileOf = std::function<std::optional<std::string>(std::string_view argument)>;

// Replaces each argument that names a host file by its path on the staging drive; the same
// host file keeps one name. A program whose name is no plain 8.3 name is staged as well. Any
// other argument that does not pass as it stands is the plan's refused word.
DosStartPlan planDosStart(std::string_view programHostPath,
                          const std::vector<std::string>& arguments, const HostFileOf& hostFileOf);

}  // namespace vorlent
