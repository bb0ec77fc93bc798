// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vorlent {

// The words the program was started with after its own name, in UTF-8, the core's text. POSIX
// hands them over as they are; Windows takes them from the wide command line, so that a name
// outside the console's code page, or one whose code-page bytes hold a "\", arrives whole.
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace vorlent
