// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace vorlent {

// An integer line of the configuration file: leading blanks, then an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x" or "X". Nothing may follow the digits.
// Nothing for an empty line, a line without digits, a line with anything after them, or a
// value outside the range of int.
std::optional<int> parseConfigInteger(std::string_view line);

}  // namespace vorlent
