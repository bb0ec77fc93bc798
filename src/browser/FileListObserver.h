// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace vorlent {

// Told about every change of a file list's entries, so that a view over it can follow. Each
// "about to" call comes before the change, its partner after it.
class FileListObserver {
 public:
  virtual ~FileListObserver() = default;

  virtual void entriesAboutToBeReplaced() {}
  virtual void entriesReplaced() {}

  virtual void entriesAboutToBeReordered() {}
  // oldIndexOfNew[i] is the position the entry now at i had before.
  virtual void entriesReordered(const std::vector<std::size_t>& oldIndexOfNew) {
    static_cast<void>(oldIndexOfNew);
  }

  virtual void entryChanged(std::size_t index) { static_cast<void>(index); }
};

}  // namespace vorlent
