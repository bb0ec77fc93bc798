// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "platform/PathStyle.h"

namespace vorlent {

// The medium an emulator takes a file as, told by its extension.
enum class MediumKind { None, Cartridge, Disk, Tape };

// ".rom" a cartridge, ".dsk" a disk, ".cas" a tape; the extension (with its dot) is compared
// after turning only the ASCII letters A to Z into a to z.
MediumKind mediumKindOfExtension(std::string_view extension);

// The same for the extension of a path: the part from its last dot after the last delimiter.
MediumKind mediumKindOfPath(std::string_view path, PathStyle style);

}  // namespace vorlent
