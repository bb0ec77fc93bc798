// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TrashQuestion.h"

#include "platform/ControlCharacters.h"

namespace vorlent {

std::string trashQuestion(const std::vector<std::string>& sources) {
  const std::string what = sources.size() == 1 ? withControlsMarked(sources.front()) + " "
                                               : std::to_string(sources.size()) + " 個の項目";
  return what + "をごみ箱に移動しますか?";
}

}  // namespace vorlent
