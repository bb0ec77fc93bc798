#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlent {

using Sha1Digest = std::array<std::uint8_t, 20>;

// The SHA-1 digest of the bytes, computed by the platform's cryptographic library. Defined by
// the native library alone: the core is handed a Sha1Digester instead.
Sha1Digest sha1Of(std::string_view bytes);

// The digest as forty lower-case hexadecimal digits.
std::string sha1Hex(const Sha1Digest& digest);

}  // namespace vorlent
