#pragma once

#include <string>
#include <string_view>

namespace vorlent {

// " -tape " followed by the path, or nothing for an empty path; both emulators take it.
std::string tapeToken(std::string_view tapePath);

}  // namespace vorlent
