// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "browser/FileListEntry.h"
#include "browser/FileListObserver.h"
#include "browser/ListColumn.h"
#include "browser/ViewStyle.h"

namespace vorlent {

// The listed entries with their selection and focused entry, as the other commands read them,
// and the list's display state (sort column, view style).
class FileList {
 public:
  // Fills in the details of an entry whose detailsPending is set; the list clears the mark.
  using DetailsReader = std::function<void(FileListEntry&)>;

  // Replaces the entries; the selection and the focus are cleared. Pending details are read
  // with readDetails when an entry is first read, so a long listing costs only what is shown.
  void assign(std::vector<FileListEntry> entries, DetailsReader readDetails = {});

  // Every entry, with its details.
  const std::vector<FileListEntry>& entries() const;
  // One entry with its details, reading no other entry's. index must be below count().
  const FileListEntry& entry(std::size_t index) const;
  std::size_t count() const { return entries_.size(); }
  // An entry's caption alone, without reading its pending details.
  const std::string& caption(std::size_t index) const { return entries_.at(index).caption; }

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

  // Changes caption, full path and icon of one entry in place (after a rename); its other
  // details are those of before.
  void update(std::size_t index, std::string_view caption, std::string_view fullPath,
              int iconIndex);

  // Puts the entries in a new order; selection and focus stay with their entries.
  // oldIndexOfNew must be a permutation of 0 .. count() - 1, else nothing changes.
  void reorder(const std::vector<std::size_t>& oldIndexOfNew);

  // The column of the last header click.
  ListColumn sortColumn() const { return sortColumn_; }
  void setSortColumn(ListColumn column) { sortColumn_ = column; }

  ViewStyle viewStyle() const { return viewStyle_; }
  void setViewStyle(ViewStyle style) { viewStyle_ = style; }

  // At most one observer; nullptr detaches it. The observer must outlive its attachment.
  void setObserver(FileListObserver* observer) { observer_ = observer; }

 private:
  void completeAll() const;
  const FileListEntry& completed(std::size_t index) const;

  // Reading an entry fills in its pending details, which changes nothing the list shows.
  mutable std::vector<FileListEntry> entries_;
  DetailsReader readDetails_;
  mutable bool allComplete_ = true;
  std::vector<bool> selected_;
  std::optional<std::size_t> focused_;
  ListColumn sortColumn_ = ListColumn::Name;
  ViewStyle viewStyle_ = ViewStyle::LargeIcons;
  FileListObserver* observer_ = nullptr;
};

}  // namespace vorlent
