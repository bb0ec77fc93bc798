// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/MediumKind.h"

#include <string>

#include "platform/PathParts.h"

namespace vorlent {

MediumKind mediumKindOfExtension(std::string_view extension) {
  const std::string lowered = asciiLower(extension);
  if (lowered == ".rom") {
    return MediumKind::Cartridge;
  }
  if (lowered == ".dsk") {
    return MediumKind::Disk;
  }
  if (lowered == ".cas") {
    return MediumKind::Tape;
  }
  return MediumKind::None;
}

MediumKind mediumKindOfPath(std::string_view path, PathStyle style) {
  return mediumKindOfExtension(extensionOf(path, style));
}

}  // namespace vorlent
