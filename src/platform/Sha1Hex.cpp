// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sha1Digester.h"

namespace vorlent {

std::string sha1Hex(const Sha1Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(digest.size() * 2);
  for (const std::uint8_t byte : digest) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0x0f]);
  }
  return text;
}

}  // namespace vorlent
