// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "browser/FileListIconNumbers.h"

namespace vorlent {

// The icon of a file (1 to 18) from its extension (with its dot, any letter case) and its true
// size in bytes.
int ClassifyEntryIcon(std::string_view extension, std::uint64_t sizeInBytes);

}  // namespace vorlent
