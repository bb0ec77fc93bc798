// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/PathList.h"

namespace vorlent {

std::vector<std::string> buildPathList(const FileList& list, const FileSystem& files) {
  std::vector<std::string> paths;
  for (const FileListEntry* entry : list.selectedEntries()) {
    if (entry->caption == "..") {
      continue;
    }
    if (files.fileExists(entry->fullPath) || files.folderExists(entry->fullPath)) {
      paths.push_back(entry->fullPath);
    }
  }
  return paths;
}

}  // namespace vorlent
