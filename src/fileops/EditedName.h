// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// A name is edited in its shown form, withControlsMarked(original): every byte of no character
// and every control character appears there as U+FFFD. The answer's unchanged start and end,
// the longest that match the shown original's, keep the original's bytes; the part between is
// taken as typed. Nothing when that cannot be told: a U+FFFD in the changed part, or an edit
// whose place is ambiguous and whose places would give different bytes (one of two U+FFFD
// deleted).
std::optional<std::string> editedNameBytes(std::string_view original, std::string_view answer);

}  // namespace vorlent
