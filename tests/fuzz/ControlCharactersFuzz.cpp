#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ControlCharacters.h"

namespace {

// A second reading of the rule, written another way: a sequence is valid UTF-8 when the
// character it spells, encoded again, gives the same bytes; and the characters that act on
// the display are a table of ranges.
std::string encoded(char32_t c) {
  std::string bytes;
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
  return bytes;
}

// The character of exactly `length` bytes at the start of text, if they spell one.
bool spells(std::string_view text, std::size_t length, char32_t& c) {
  static constexpr unsigned kLeadMask[] = {0, 0x80, 0xE0, 0xF0, 0xF8};
  static constexpr unsigned kLeadBits[] = {0, 0x00, 0xC0, 0xE0, 0xF0};
  if (text.size() < length) return false;
  const auto lead = static_cast<unsigned char>(text[0]);
  if ((lead & kLeadMask[length]) != kLeadBits[length]) return false;
  c = lead & ~kLeadMask[length] & 0xFF;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return false;
    c = (c << 6) | (next & 0x3F);
  }
  return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF) && encoded(c) == text.substr(0, length);
}

bool actsOnTheDisplay(char32_t c) {
  static constexpr char32_t kRanges[][2] = {{0x00, 0x1F},     {0x7F, 0x9F},     {0x061C, 0x061C},
                                            {0x200E, 0x200F}, {0x2028, 0x202E}, {0x2066, 0x2069}};
  for (const auto& range : kRanges) {
    if (c >= range[0] && c <= range[1]) return true;
  }
  return false;
}

std::string referenceShown(std::string_view text) {
  std::string shown;
  while (!text.empty()) {
    std::size_t length = 1;
    char32_t c = 0;
    while (length <= 4 && !spells(text, length, c)) ++length;
    if (length > 4) {
      shown += "\xEF\xBF\xBD";
      text.remove_prefix(1);
      continue;
    }
    shown +=
        actsOnTheDisplay(c) ? std::string("\xEF\xBF\xBD") : std::string(text.substr(0, length));
    text.remove_prefix(length);
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
