#include "feedback/ControlCharacters.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vorlent {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct Decoded {
  char32_t codePoint = 0;
  std::size_t length = 0;  // 0: the byte at the start is no part of valid UTF-8
};

// How a UTF-8 sequence begins: its length, the bits its lead byte carries and the smallest
// character it may encode (anything less is an overlong form).
struct SequenceStart {
  std::size_t length;
  char32_t bits;
  char32_t smallest;
};

std::optional<SequenceStart> sequenceStartOf(std::uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return SequenceStart{2, lead & 0x1Fu, 0x80};
  if (lead >= 0xE0 && lead <= 0xEF) return SequenceStart{3, lead & 0x0Fu, 0x800};
  if (lead >= 0xF0 && lead <= 0xF4) return SequenceStart{4, lead & 0x07u, 0x10000};
  return std::nullopt;
}

// The character at the start of text (not empty), strictly: no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
Decoded decodeFirst(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  if (byte(0) < 0x80) {
    return {byte(0), 1};
  }
  const std::optional<SequenceStart> start = sequenceStartOf(byte(0));
  if (!start || text.size() < start->length) {
    return {};
  }
  char32_t codePoint = start->bits;
  for (std::size_t i = 1; i < start->length; ++i) {
    if ((byte(i) & 0xC0u) != 0x80) {
      return {};
    }
    codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
  }
  if (codePoint < start->smallest || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return {};
  }
  return {codePoint, start->length};
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool isDirectionControl(char32_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
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

std::string withControlsMarked(std::string_view utf8) {
  return withControlsReplaced(utf8, [](std::string& out, char32_t) { out += kReplacement; });
}

}  // namespace vorlent
