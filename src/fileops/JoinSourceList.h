// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/FileList.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace vorlent {

// The join dialog's ordered sources, duplicates allowed, with one selected line or none. A
// moved line stays selected.
class JoinSourceList {
 public:
  const std::vector<std::string>& paths() const { return paths_; }
  std::optional<std::size_t> selected() const { return selected_; }

  // A line outside the list selects nothing.
  void select(std::optional<std::size_t> line);
  void add(std::string path);
  void moveSelectedUp();
  void moveSelectedDown();
  // Then the line at the same place is selected, or the new last line; an empty list has none.
  void removeSelected();
  void clear();

 private:
  std::vector<std::string> paths_;
  std::optional<std::size_t> selected_;
};

// The selected entries of the file list that are existing files, in list order: the sources a
// join starts with. Folders and ".." are left out.
std::vector<std::string> selectedFilesToJoin(const FileList& list, const FileSystem& files);

// Whether the destination's folder part (up to and including its last delimiter) is an
// existing folder; the destination is drawn black when it is, red when not.
bool destinationFolderExists(std::string_view destination, const FileSystem& files,
                             PathStyle style);

// The plain message that stops a join before anything is written: "Directory not found."
// with CR and the folder part, or "Input file name."; nothing when the join may go on.
std::optional<std::string> joinRefusal(std::string_view destination, const FileSystem& files,
                                       PathStyle style);

}  // namespace vorlent
