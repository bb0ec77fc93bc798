// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
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

// Turns the UTF-8 text of an argument into the bytes of the command line (the code page).
using CommandLineBytes = std::function<std::string(std::string_view utf8)>;

// How an MS-DOS program runs in DOSBox on a system with drive letters: the program's folder is
// drive C:, and the folder of each host file that an argument names is a drive of its own from
// D: on, where the argument then names the file. A file whose name MS-DOS cannot open, or whose
// folder DOSBox cannot mount, is shown instead on the staging drive under a name of the
// launcher's own.
struct DosMountPlan {
  // C: first; the staging drive is not among them.
  std::vector<DosMount> mounts;
  // The program's name on C: and the translated arguments, with the files to stage.
  DosStartPlan run;
  // The drive of the staging folder, when a file is staged.
  std::optional<char> stagingDrive;
  // The program folder's own DOSBox configuration, by the path DOSBox is given.
  std::optional<std::string> configuration;
};

// Whether DOSBox can mount a host folder by its own path: nothing in its bytes that DOSBox's
// shell reads, and no last character whose bytes end in that of "\". DOSBox on Windows drops a
// trailing "\" before it looks at the folder and adds one only where the last byte is not "\",
// so the files of "ソフト表" would be looked for under run-together names.
bool mountsByItsPath(std::string_view folder, const CommandLineBytes& toBytes);

// The name of the DOSBox configuration that a program's folder may hold for that program alone,
// matched in any case.
inline constexpr std::string_view kDosBoxConfigurationName = "dosbox.conf";
bool isDosBoxConfigurationName(std::string_view fileName);

// The arguments that have DOSBox read the user's own configuration and then `configuration`
// over it: DOSBox and DOSBox-X read the user's beside another only when told so, DOSBox Staging
// always does.
std::vector<std::string> dosBoxConfigurationArguments(std::string_view dosBoxPath,
                                                      std::string_view configuration);

// What DOSBox's shell runs at the start, none of it shown: each drive unmounted (a drive the
// user's own configuration mounted would make the mount fail) and mounted, C: made current, the
// program run; when the program ends with a nonzero code DOSBox waits for a key, so that its
// last words can be read, and then closes.
std::vector<std::string> dosBoxStartCommands(const std::vector<DosMount>& mounts,
                                             std::string_view shellLine);

// DOSBox's arguments after its own name: the configuration, when there is one, then each start
// command after "-c".
std::vector<std::string> dosBoxArguments(std::string_view dosBoxPath,
                                         const std::vector<DosMount>& mounts,
                                         std::string_view shellLine,
                                         const std::optional<std::string>& configuration);

// An argument that names no host file, or one beyond the last free drive letter, stays as it
// is, and the plan holds it as the refused word where it cannot pass as it stands. Every rule
// looks at the bytes `toBytes` gives, as DOSBox's shell reads them. A program whose name is no
// plain MS-DOS program name is staged as well; a program folder that cannot mount by its path
// is refused.
DosMountPlan planDosMounts(std::string_view programHostPath,
                           const std::vector<std::string>& arguments, const HostFileOf& hostFileOf,
                           const CommandLineBytes& toBytes);

// One argument, in the bytes the program receives, as the C runtime that DOSBox is built with
// splits a command line, byte by byte: quoted, with the backslashes before a quote doubled and
// the quote escaped. The second byte of a double-byte character counts as the byte it is, so
// the text is quoted after its conversion to the code page.
std::string quotedWindowsArgument(std::string_view bytes);

// The command line, in the code page's bytes, that starts DOSBox with `dosBoxArguments`; nothing
// when the plan refuses a word or the command tail is longer than MS-DOS hands a program.
std::optional<std::string> dosBoxCommandLine(std::string_view dosBoxPath, const DosMountPlan& plan,
                                             const CommandLineBytes& toBytes);

}  // namespace vorlent
