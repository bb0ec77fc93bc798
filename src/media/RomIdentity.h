// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "media/MapperTypeTable.h"
#include "media/SoftwareDatabase.h"
#include "platform/FileSystem.h"
#include "platform/Sha1Digester.h"

namespace vorlent {

// What the software database says of one ROM image.
struct RomIdentity {
  std::string sha1;                    // forty lower-case hexadecimal digits
  const SoftwareDump* dump = nullptr;  // nothing when the database does not know the image
  MapperAdvice advice;                 // of the dump's type; plain when the dump is unknown
};

// The largest image that is read; MSX MegaROMs end at a few megabytes.
inline constexpr std::size_t kRomImageSizeLimit = 64u << 20;

// Reads the image whole and looks its digest up. Nothing is written. A file that cannot be
// read (missing, a folder, a FIFO or device, larger than the limit) is thrown as Failure.
RomIdentity identifyRom(std::string_view path, const SoftwareDatabase& database,
                        const FileSystem& files, const Sha1Digester& sha1);

}  // namespace vorlent
