// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorlent {

// The folder that holds the running program's executable, ending in the path delimiter,
// whatever the current folder is.
std::string programFolder();

}  // namespace vorlent
