// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace vorlent {

// The file list's columns in the details view, in the order they show.
enum class ListColumn { Name, Size, FullPath, Type, TimeStamp };

inline constexpr int kListColumnCount = 5;
static_assert(static_cast<int>(ListColumn::TimeStamp) + 1 == kListColumnCount);

constexpr int columnIndex(ListColumn column) { return static_cast<int>(column); }

// The column at a position counted from 0, or nothing out of range.
constexpr std::optional<ListColumn> listColumnAt(int index) {
  if (index < 0 || index >= kListColumnCount) {
    return std::nullopt;
  }
  return static_cast<ListColumn>(index);
}

}  // namespace vorlent
