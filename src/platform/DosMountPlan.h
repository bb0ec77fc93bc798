#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DosStartPlan.h"

namespace vorlent {

// A host folder that DOSBox shows as a drive.
struct DosMount {
  char drive = 'C';
  std::string hostFolder;

  bool operator==(const DosMount&) const = default;
};

// How an MS-DOS program runs in DOSBox on a system with drive letters: the program's folder is
// drive C:, and the folder of each host file that an argument names is a drive of its own from
// D: on, where the argument then names the file.
struct DosMountPlan {
  // C: first.
  std::vector<DosMount> mounts;
  // The program's name on C: and the translated arguments; nothing is staged.
  DosStartPlan run;
};

// An argument that names no host file, or one beyond the last free drive letter, stays as it
// is; where it cannot pass as it stands, or where a folder or a name would bring something
// DOSBox's shell reads into the line, the plan holds the refused word.
DosMountPlan planDosMounts(std::string_view programHostPath,
                           const std::vector<std::string>& arguments, const HostFileOf& hostFileOf);

// One argument as the Microsoft C runtime splits a command line: quoted, with the backslashes
// before a quote doubled and the quote escaped.
std::string quotedWindowsArgument(std::string_view text);

// The command line that starts DOSBox, mounts the plan's drives, runs the program on C: and
// closes DOSBox when it ends; nothing when the plan refuses a word or the command tail is longer
// than MS-DOS hands a program.
std::optional<std::string> dosBoxCommandLine(std::string_view dosBoxPath, const DosMountPlan& plan);

}  // namespace vorlent
