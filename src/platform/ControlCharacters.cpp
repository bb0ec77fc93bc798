// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ControlCharacters.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace vorlent {

namespace {

constexpr std::string_view kMark = "\xEF\xBF\xBD";  // U+FFFD

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

bool isPlainAscii(char c) {
  return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
}

}  // namespace

Utf8Character firstUtf8Character(std::string_view text) {
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

bool actsOnTheDisplay(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x061C ||
         c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string withControlsMarked(std::string_view text) {
  // Most names are plain ASCII: a listing of thousands passes through here.
  if (std::all_of(text.begin(), text.end(), isPlainAscii)) {
    return std::string(text);
  }
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const Utf8Character character = firstUtf8Character(text);
    if (character.length == 0) {
      out += kMark;
      text.remove_prefix(1);
      continue;
    }
    if (actsOnTheDisplay(character.codePoint)) {
      out += kMark;
    } else {
      out.append(text.substr(0, character.length));
    }
    text.remove_prefix(character.length);
  }
  return out;
}

}  // namespace vorlent
