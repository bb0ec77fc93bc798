// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorlent {

enum class ProgramKind { Native, MsDos };

// Reads up to `length` bytes of the program file from `offset`; fewer at the end of the file.
using ProgramBytes = std::function<std::string(std::size_t offset, std::size_t length)>;

// A ".com" file, an ".exe" file whose MZ header has no PE header behind it, or an ".exe" file
// without an MZ header that is a .COM image (brMSX, say, in its .COM form) is an MS-DOS program;
// everything else is left to the system.
ProgramKind programKindOf(std::string_view fileName, const ProgramBytes& read);

}  // namespace vorlent
