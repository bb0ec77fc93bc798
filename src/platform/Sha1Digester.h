// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vorlent {

using Sha1Digest = std::array<std::uint8_t, 20>;

// SHA-1 digests, computed by the platform's cryptographic library.
class Sha1Digester {
 public:
  virtual ~Sha1Digester() = default;

  virtual Sha1Digest digestOf(std::string_view bytes) const = 0;
};

std::unique_ptr<Sha1Digester> makeSha1Digester();

// The digest as forty lower-case hexadecimal digits.
std::string sha1Hex(const Sha1Digest& digest);

}  // namespace vorlent
