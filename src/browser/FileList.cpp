// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/FileList.h"

#include <algorithm>

namespace vorlent {

void FileList::assign(std::vector<FileListEntry> entries, DetailsReader readDetails) {
  if (observer_) {
    observer_->entriesAboutToBeReplaced();
  }
  entries_ = std::move(entries);
  readDetails_ = std::move(readDetails);
  allComplete_ = false;
  selected_.assign(entries_.size(), false);
  focused_.reset();
  if (observer_) {
    observer_->entriesReplaced();
  }
}

const FileListEntry& FileList::completed(std::size_t index) const {
  FileListEntry& entry = entries_[index];
  if (entry.detailsPending) {
    if (readDetails_) {
      readDetails_(entry);
    }
    entry.detailsPending = false;
  }
  return entry;
}

void FileList::completeAll() const {
  if (!allComplete_) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      completed(i);
    }
    allComplete_ = true;
  }
}

const std::vector<FileListEntry>& FileList::entries() const {
  completeAll();
  return entries_;
}

const FileListEntry& FileList::entry(std::size_t index) const { return completed(index); }

void FileList::setSelected(std::size_t index, bool selected) {
  if (index < selected_.size()) {
    selected_[index] = selected;
  }
}

void FileList::clearSelection() { std::fill(selected_.begin(), selected_.end(), false); }

bool FileList::isSelected(std::size_t index) const {
  return index < selected_.size() && selected_[index];
}

std::size_t FileList::selectedCount() const {
  return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), true));
}

std::vector<const FileListEntry*> FileList::selectedEntries() const {
  std::vector<const FileListEntry*> selected;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (selected_[i]) {
      selected.push_back(&completed(i));
    }
  }
  return selected;
}

const FileListEntry* FileList::firstSelected() const {
  const auto it = std::find(selected_.begin(), selected_.end(), true);
  return it == selected_.end() ? nullptr
                               : &completed(static_cast<std::size_t>(it - selected_.begin()));
}

void FileList::setFocused(std::optional<std::size_t> index) {
  focused_ = index && *index < entries_.size() ? index : std::nullopt;
}

const FileListEntry* FileList::focused() const {
  return focused_ ? &completed(*focused_) : nullptr;
}

const FileListEntry* FileList::parentEntry() const {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [](const FileListEntry& entry) { return entry.caption == ".."; });
  return it == entries_.end() ? nullptr
                              : &completed(static_cast<std::size_t>(it - entries_.begin()));
}

void FileList::update(std::size_t index, std::string_view caption, std::string_view fullPath,
                      int iconIndex) {
  if (index >= entries_.size()) {
    return;
  }
  // Read before the change, so that the icon given here is the one that stays.
  completed(index);
  entries_[index].caption = caption;
  entries_[index].fullPath = fullPath;
  entries_[index].iconIndex = iconIndex;
  if (observer_) {
    observer_->entryChanged(index);
  }
}

void FileList::reorder(const std::vector<std::size_t>& oldIndexOfNew) {
  if (oldIndexOfNew.size() != entries_.size()) {
    return;
  }
  std::vector<bool> seen(entries_.size(), false);
  for (const std::size_t old : oldIndexOfNew) {
    if (old >= seen.size() || seen[old]) {
      return;
    }
    seen[old] = true;
  }
  if (observer_) {
    observer_->entriesAboutToBeReordered();
  }
  std::vector<FileListEntry> entries;
  entries.reserve(entries_.size());
  std::vector<bool> selected(entries_.size(), false);
  std::optional<std::size_t> focused;
  for (std::size_t i = 0; i < oldIndexOfNew.size(); ++i) {
    const std::size_t old = oldIndexOfNew[i];
    entries.push_back(std::move(entries_[old]));
    selected[i] = selected_[old];
    if (focused_ == old) {
      focused = i;
    }
  }
  entries_ = std::move(entries);
  selected_ = std::move(selected);
  focused_ = focused;
  if (observer_) {
    observer_->entriesReordered(oldIndexOfNew);
  }
}

}  // namespace vorlent
