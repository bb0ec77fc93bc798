// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FolderEnumerator.h"

namespace vorlent {

// The "Size(kB)" text: the kilobytes rounded up, right-aligned in ten characters, then "kB".
// A count of more than ten digits widens the text rather than being cut.
std::string sizeText(std::uint64_t sizeInBytes);

// The "TimeStamp" text, "yyyy/mm/dd hh:nn".
std::string timeStampText(const LocalTime& time);

// The extension of a name from its last "." on, as found; empty without a dot.
std::string_view extensionOfName(std::string_view name);

}  // namespace vorlent
