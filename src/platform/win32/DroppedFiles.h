// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>
// The shell's header needs the definitions of windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

namespace vorlent::win32 {

// The files and folders of a drop from the shell, in the order the drop lists them, as UTF-8
// paths. Names of any length are read whole. The drop stays the caller's to finish.
std::vector<std::string> droppedPaths(HDROP drop);

}  // namespace vorlent::win32
