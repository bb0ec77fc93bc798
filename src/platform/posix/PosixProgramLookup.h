// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

bool isRegularFile(const std::string& path);

// The folder's file whose name equals `name` without regard to ASCII letter case, spelled as
// stored; an exact match wins, otherwise the first match in byte order.
std::optional<std::string> matchFileIgnoringCase(std::string_view folder, std::string_view name);

// A program found from a command line's first word, or the errno of the search.
struct FoundProgram {
  std::string path;
  int errorCode = 0;
};

// A word with a "/" is the program's path. A bare name is looked for in the current folder
// first, its letter case ignored, then on PATH.
FoundProgram findCommandLineProgram(std::string_view word);

// The first executable file of that exact name in the folders of PATH.
std::optional<std::string> findOnSearchPath(std::string_view name);

}  // namespace vorlent
