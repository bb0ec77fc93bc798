#pragma once

#include <string>
#include <string_view>

namespace vorlent {

// Texts from outside (file names, the software database's titles) shown so that none of their
// characters can act on the display: every C0 and C1 control, DEL, and the bidirectional marks,
// embeddings, overrides and isolates (U+061C, U+200E, U+200F, U+202A-U+202E, U+2066-U+2069),
// which could break a line or reverse a name. A byte that is no part of valid UTF-8 becomes
// U+FFFD, so the result is always valid UTF-8.

// For a line on a terminal: each such character becomes a blank.
std::string withControlsBlanked(std::string_view utf8);

// For a window: each such character becomes U+FFFD, a mark the window's fonts draw (fonts
// with the control pictures of U+2400-U+241F are rare).
std::string withControlsMarked(std::string_view utf8);

}  // namespace vorlent
