#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent::win32 {

// DOSBox ("dosbox.exe" or "dosbox-x.exe") in the folders of `searchPath`, ";"-separated as PATH
// is, then in a folder whose name begins with "DOSBox" inside one of the install roots; of
// several such folders the last in byte order, the newest version, wins. Paths in UTF-8.
std::optional<std::string> findDosBoxIn(std::string_view searchPath,
                                        const std::vector<std::string>& installRoots);

// DOSBox on PATH, then in the program folders.
std::optional<std::string> findDosBox();

// The command line that runs the MS-DOS program with its arguments in DOSBox, the program's
// folder as C: and the folders of the files the arguments name as further drives; nothing when
// the arguments are too long for MS-DOS.
std::optional<std::string> dosBoxCommandLineFor(std::string_view dosBox,
                                                std::string_view programPath,
                                                const std::vector<std::string>& arguments);

}  // namespace vorlent::win32
