// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <climits>
#include <string>
#include <string_view>

namespace vorlent {

// The longest name a folder entry may have, in bytes.
inline constexpr std::size_t kLongestName = NAME_MAX;

// The start of the name, at most room bytes long, never cut inside a UTF-8 sequence; for the
// program's own names beside or in place of a name, which must fit with what they add.
inline std::string nameCutToFit(std::string_view name, std::size_t room) {
  if (name.size() <= room) {
    return std::string(name);
  }
  std::size_t end = room;
  const auto continuation = [&](std::size_t at) {
    return (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80;
  };
  // A UTF-8 sequence has at most three bytes after its first; bytes that are no UTF-8 are cut
  // where they must be.
  while (end > 0 && room - end < 3 && continuation(end)) {
    --end;
  }
  return std::string(name.substr(0, continuation(end) ? room : end));
}

}  // namespace vorlent
