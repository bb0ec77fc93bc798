#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "browser/FileListEntry.h"

namespace vorlent {

// The listed entries with their selection and focused entry, as the other commands read them.
class FileList {
 public:
  // Replaces the entries; the selection and the focus are cleared.
  void assign(std::vector<FileListEntry> entries);

  const std::vector<FileListEntry>& entries() const { return entries_; }
  std::size_t count() const { return entries_.size(); }

  void setSelected(std::size_t index, bool selected);
  void clearSelection();
  bool isSelected(std::size_t index) const;
  std::size_t selectedCount() const;

  // The selected entries in list order.
  std::vector<const FileListEntry*> selectedEntries() const;

  // The first selected entry in list order, if any.
  const FileListEntry* firstSelected() const;

  void setFocused(std::optional<std::size_t> index);
  std::optional<std::size_t> focusedIndex() const { return focused_; }
  const FileListEntry* focused() const;

  // The entry whose caption is exactly "..", if listed.
  const FileListEntry* parentEntry() const;

  // Changes caption, full path and icon of one entry in place (after a rename).
  void update(std::size_t index, std::string_view caption, std::string_view fullPath,
              int iconIndex);

 private:
  std::vector<FileListEntry> entries_;
  std::vector<bool> selected_;
  std::optional<std::size_t> focused_;
};

}  // namespace vorlent
