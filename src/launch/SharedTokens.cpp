// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/SharedTokens.h"

namespace vorlent {

std::string pathToken(std::string_view option, std::string_view path) {
  return path.empty() ? std::string() : std::string(option) + std::string(path);
}

std::string tapeToken(std::string_view tapePath) { return pathToken(" -tape ", tapePath); }

}  // namespace vorlent
