// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/FileOperationTexts.h"

#include "platform/ControlCharacters.h"

namespace vorlent {

std::string withPath(std::string_view text, std::string_view path) {
  std::string result(text);
  if (const auto at = result.find("%s"); at != std::string::npos) {
    result.replace(at, 2, withControlsMarked(path));
  }
  return result;
}

}  // namespace vorlent
