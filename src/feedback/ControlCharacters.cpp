#include "feedback/ControlCharacters.h"

#include <cstddef>
#include <cstdint>

namespace vorlent {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct Decoded {
  char32_t codePoint = 0;
  std::size_t length = 0;  // 0: the byte at the start is no part of valid UTF-8
};

// The character at the start of text (not empty), strictly: no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
Decoded decodeFirst(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) {
    return {lead, 1};
  }
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, codePoint = lead & 0x1Fu, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, codePoint = lead & 0x0Fu, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) {
    return {};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80) {
      return {};
    }
    codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {};
  }
  return {codePoint, length};
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool isDirectionControl(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The text with every character that could act on the display (or byte of no character)
// replaced by what `shown` gives for it; invalid bytes are U+FFFD.
template <typename Shown>
std::string withControlsReplaced(std::string_view text, Shown shown) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Decoded decoded = decodeFirst(text);
    if (decoded.length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
      continue;
    }
    if (isControl(decoded.codePoint) || isDirectionControl(decoded.codePoint)) {
      shown(out, decoded.codePoint);
    } else {
      out.append(text.substr(0, decoded.length));
    }
    text.remove_prefix(decoded.length);
  }
  return out;
}

}  // namespace

std::string withControlsBlanked(std::string_view utf8) {
  return withControlsReplaced(utf8, [](std::string& out, char32_t) { out += ' '; });
}

std::string withControlsPictured(std::string_view utf8) {
  return withControlsReplaced(utf8, [](std::string& out, char32_t c) {
    if (c < 0x20) {
      appendUtf8(out, 0x2400 + c);
    } else if (c == 0x7F) {
      appendUtf8(out, 0x2421);
    } else {
      out += kReplacement;
    }
  });
}

}  // namespace vorlent
