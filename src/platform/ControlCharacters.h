// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlent {

// One character at the start of a UTF-8 text, decoded strictly: no overlong form, no
// surrogate, nothing beyond U+10FFFF. A length of 0 means the first byte is no part of a valid
// sequence (the text is then to be read on from its next byte).
struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 0;
};

// The character at the start of text, which is not empty.
Utf8Character firstUtf8Character(std::string_view text);

// Whether the character could act on the display rather than be read: a C0 or C1 control,
// DEL, the line and paragraph separators (U+2028, U+2029), or a bidirectional mark, embedding,
// override or isolate (U+061C, U+200E, U+200F, U+202A-U+202E, U+2066-U+2069), which could
// break a line or reverse a name.
bool actsOnTheDisplay(char32_t codePoint);

// What may be shown of a name, a path or a title from outside, wherever it reaches a person:
// each character that acts on the display becomes U+FFFD, a mark every font draws, and so does
// each byte that is no part of valid UTF-8. The result is valid UTF-8 and comes back unchanged
// from this function; a text with nothing to replace comes back as it is.
std::string withControlsMarked(std::string_view utf8);

}  // namespace vorlent
