// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vorlent {

// Whether a text can be one line of the configuration file and read back unchanged: a CR or an
// LF in it would end the line early and shift every later line.
constexpr bool fitsOnConfigLine(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace vorlent
