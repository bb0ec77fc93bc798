// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// The words of a command line, split at blanks; runs of blanks separate like one.
std::vector<std::string> splitAtBlanks(std::string_view commandLine);

}  // namespace vorlent
