// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlent {

// The option followed by the path, or nothing for an empty path.
std::string pathToken(std::string_view option, std::string_view path);

// " -tape " followed by the path, or nothing for an empty path; both emulators take it.
std::string tapeToken(std::string_view tapePath);

}  // namespace vorlent
