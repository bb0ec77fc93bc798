#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DosMountPlan.h"

namespace vorlent::win32 {

// DOSBox ("dosbox.exe" or "dosbox-x.exe") in the folders of `searchPath`, ";"-separated as PATH
// is, then in a folder whose name begins with "DOSBox" inside one of the install roots; of
// several such folders the last in byte order, the newest version, wins. Paths in UTF-8.
std::optional<std::string> findDosBoxIn(std::string_view searchPath,
                                        const std::vector<std::string>& installRoots);

// DOSBox on PATH, then in the program folders.
std::optional<std::string> findDosBox();

// How the MS-DOS program runs with its arguments in DOSBox: the program's folder as C: and the
// folders of the files the arguments name as further drives. The plan refuses a word that DOSBox's
// shell would read, also where only the code page's bytes of the word hold such a character (the
// second byte of a double-byte character may be "|").
DosMountPlan dosMountPlanFor(std::string_view programPath,
                             const std::vector<std::string>& arguments);

}  // namespace vorlent::win32
