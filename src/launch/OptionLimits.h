// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace vorlent {

// A stored option value may lie outside what its control can show (an edited configuration
// file); the control then shows the nearest thing it has, and the field keeps its value until
// the dialog's values are taken over.

inline constexpr int kNoItemShown = -1;

// The item a choice shows: the last one for a value at or above the item count, none for a
// value below 0.
constexpr int shownChoiceItem(int value, int itemCount) {
  if (value < 0 || itemCount <= 0) {
    return kNoItemShown;
  }
  return std::min(value, itemCount - 1);
}

// The position a slider shows: the nearer end for a value outside its range.
constexpr int shownSliderPosition(int value, int minimum, int maximum) {
  return std::clamp(value, minimum, std::max(minimum, maximum));
}

}  // namespace vorlent
