// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DosMountPlan.h"

namespace vorlent::win32 {

// The program names of DOSBox, DOSBox Staging ("dosbox.exe") and DOSBox-X ("dosbox-x.exe").
const std::vector<std::string>& dosBoxNames();

// DOSBox in the folders of `searchPath`, ";"-separated as PATH is; then at one of the
// `recordedPlaces`, each a DOSBox program or a folder holding one; then in a folder whose name
// begins with "DOSBox" ("DOSBox-0.74-3", "DOSBox-X", "DOSBox Staging") inside one of the install
// roots, where of several such folders the last in byte order, the newest version, wins. Paths
// in UTF-8.
std::optional<std::string> findDosBoxIn(std::string_view searchPath,
                                        const std::vector<std::string>& installRoots,
                                        const std::vector<std::string>& recordedPlaces = {});

// What DOSBox's installers record: the App Paths entries of its program names, then the
// install folders of the uninstall entries whose name begins with "DOSBox", for the machine and
// the user, in the 64-bit and the 32-bit view of the registry.
std::vector<std::string> recordedDosBoxPlaces();

// DOSBox on PATH, at the places its installers record, then in the program folders
// (%ProgramFiles% and %ProgramFiles(x86)%).
std::optional<std::string> findDosBox();

// The path by which DOSBox can mount the folder: its own, else its 8.3 path where the volume
// keeps one; nothing where neither serves.
std::optional<std::string> mountableFolder(const std::string& folder);

// How the MS-DOS program runs with its arguments in DOSBox: the program's folder as C: and the
// folders of the files the arguments name as further drives, by their own paths, whatever short
// names the volume keeps; a file whose name MS-DOS cannot open, or whose folder DOSBox cannot
// mount, goes on the staging drive under a name of the launcher's own. Only the program's folder,
// which cannot be staged, falls back to its 8.3 path where DOSBox cannot mount it by its own.
// Every rule looks at the code page's bytes (the second byte of a double-byte character may be
// "|" or "\").
DosMountPlan dosMountPlanFor(std::string_view programPath,
                             const std::vector<std::string>& arguments);

}  // namespace vorlent::win32
