// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorlent::win32 {

// The value of an environment variable, in UTF-8, read through the wide API so that no character
// outside the code page is lost; empty where the variable is not set.
std::string environmentVariable(const wchar_t* name);

}  // namespace vorlent::win32
