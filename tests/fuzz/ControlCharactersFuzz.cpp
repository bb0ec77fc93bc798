// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ControlCharacters.h"

namespace {

// The rule read another way: bytes spell a character when the character, encoded again, gives
// the same bytes; what acts on the display is a table of ranges.
std::string encoded(char32_t c) {
  const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  static constexpr unsigned kLead[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  for (int i = length - 1; i > 0; --i, c >>= 6) bytes[i] = static_cast<char>(0x80 | (c & 0x3F));
  bytes[0] = static_cast<char>(kLead[length] | c);
  return bytes;
}

std::string referenceShown(std::string_view text) {
  static constexpr char32_t kActing[][2] = {{0x00, 0x1F},     {0x7F, 0x9F},     {0x061C, 0x061C},
                                            {0x200E, 0x200F}, {0x2028, 0x202E}, {0x2066, 0x2069}};
  std::string shown;
  while (!text.empty()) {
    std::size_t length = 0;
    char32_t c = 0;
    for (std::size_t n = 1; n <= 4 && n <= text.size() && length == 0; ++n) {
      c = static_cast<unsigned char>(text[0]) & (0x7Fu >> (n == 1 ? 0 : n));
      for (std::size_t i = 1; i < n; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
      if (c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF) && encoded(c) == text.substr(0, n)) {
        length = n;
      }
    }
    bool acting = length == 0;
    for (const auto& range : kActing) acting = acting || (c >= range[0] && c <= range[1]);
    shown += acting ? std::string("\xEF\xBF\xBD") : std::string(text.substr(0, length));
    text.remove_prefix(length == 0 ? 1 : length);
  }
  return shown;
}

}  // namespace

// What may be shown of a name or title, whatever the bytes: exactly what the reference shows,
// and shown again unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string shown = vorlent::withControlsMarked(text);
  if (shown != referenceShown(text)) __builtin_trap();
  if (vorlent::withControlsMarked(shown) != shown) __builtin_trap();
  return 0;
}
