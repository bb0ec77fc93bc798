// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace vorlent {

// The list menu's items in the order they show, separators included.
enum class ListMenuItem : std::size_t {
  NewFile,
  NewFolder,
  OpenSeparator,
  Open,
  OpenWindow,
  MediaSeparator,
  Slot1,
  Slot2,
  Drive1,
  Drive2,
  Tape,
  FileSeparator,
  Rename,
  Move,
  Copy,
  Trash,
  JoinSeparator,
  Join,
};

inline constexpr std::size_t kListMenuItemCount = 18;
static_assert(static_cast<std::size_t>(ListMenuItem::Join) + 1 == kListMenuItemCount,
              "every item of the list menu has a name");

// One value per list menu item, read by the item's name or by its position.
template <typename T>
struct ListMenuTable : std::array<T, kListMenuItemCount> {
  using std::array<T, kListMenuItemCount>::operator[];
  T& operator[](ListMenuItem item) { return (*this)[static_cast<std::size_t>(item)]; }
  const T& operator[](ListMenuItem item) const { return (*this)[static_cast<std::size_t>(item)]; }
};

}  // namespace vorlent
