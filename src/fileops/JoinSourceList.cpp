// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/JoinSourceList.h"

#include <utility>

#include "fileops/FileOperationTexts.h"
#include "platform/PathParts.h"

namespace vorlent {

void JoinSourceList::select(std::optional<std::size_t> line) {
  selected_ = line && *line < paths_.size() ? line : std::nullopt;
}

void JoinSourceList::add(std::string path) { paths_.push_back(std::move(path)); }

void JoinSourceList::moveSelectedUp() {
  if (selected_ && *selected_ > 0) {
    std::swap(paths_[*selected_], paths_[*selected_ - 1]);
    selected_ = *selected_ - 1;
  }
}

void JoinSourceList::moveSelectedDown() {
  if (selected_ && *selected_ + 1 < paths_.size()) {
    std::swap(paths_[*selected_], paths_[*selected_ + 1]);
    selected_ = *selected_ + 1;
  }
}

void JoinSourceList::removeSelected() {
  if (!selected_) {
    return;
  }
  paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  if (paths_.empty()) {
    selected_.reset();
  } else if (*selected_ >= paths_.size()) {
    selected_ = paths_.size() - 1;
  }
}

void JoinSourceList::clear() {
  paths_.clear();
  selected_.reset();
}

std::vector<std::string> selectedFilesToJoin(const FileList& list, const FileSystem& files) {
  std::vector<std::string> paths;
  for (const FileListEntry* entry : list.selectedEntries()) {
    if (entry->caption != ".." && files.fileExists(entry->fullPath)) {
      paths.push_back(entry->fullPath);
    }
  }
  return paths;
}

bool destinationFolderExists(std::string_view destination, const FileSystem& files,
                             PathStyle style) {
  const std::string folder = folderPartWithDelimiter(destination, style);
  return !folder.empty() && files.folderExists(folder);
}

std::optional<std::string> joinRefusal(std::string_view destination, const FileSystem& files,
                                       PathStyle style) {
  if (!destinationFolderExists(destination, files, style)) {
    return std::string(kDirectoryNotFound) + "\r" + folderPartWithDelimiter(destination, style);
  }
  if (fileNamePart(destination, style).empty()) {
    return std::string(kInputFileName);
  }
  return std::nullopt;
}

}  // namespace vorlent
