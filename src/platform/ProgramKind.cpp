// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramKind.h"

#include <cstdint>

#include "platform/PathParts.h"

namespace vorlent {

namespace {

// Where the offset of a Windows program's PE header is kept inside the MZ header.
constexpr std::size_t kNewHeaderOffsetField = 0x3C;

// MS-DOS loads a .COM image whole into one 64 KiB segment, behind the 256-byte program prefix.
constexpr std::size_t kLargestComImage = 0x10000 - 0x100;

bool startsWith(std::string_view bytes, std::string_view start) {
  return bytes.substr(0, start.size()) == start;
}

// MS-DOS runs any file without an MZ header as a .COM image, whatever its name; a script or a
// program of the system's own format is left to the system.
bool isComImage(std::string_view bytes) {
  return !bytes.empty() && bytes.size() <= kLargestComImage && !startsWith(bytes, "#!") &&
         !startsWith(bytes,
                     "\x7F"
                     "ELF");
}

std::uint32_t littleEndian32(std::string_view bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  }
  return value;
}

}  // namespace

ProgramKind programKindOf(std::string_view fileName, const ProgramBytes& read) {
  const std::string extension = asciiLower(extensionOf(fileName, PathStyle::Posix));
  if (extension == ".com") {
    return ProgramKind::MsDos;
  }
  if (extension != ".exe") {
    return ProgramKind::Native;
  }
  const std::string header = read(0, kNewHeaderOffsetField + 4);
  if (!startsWith(header, "MZ")) {
    return isComImage(read(0, kLargestComImage + 1)) ? ProgramKind::MsDos : ProgramKind::Native;
  }
  if (header.size() < kNewHeaderOffsetField + 4) {
    return ProgramKind::MsDos;
  }
  const std::uint32_t peOffset =
      littleEndian32(std::string_view(header).substr(kNewHeaderOffsetField));
  const std::string signature = read(peOffset, 4);
  return signature == std::string_view("PE\0\0", 4) ? ProgramKind::Native : ProgramKind::MsDos;
}

}  // namespace vorlent
