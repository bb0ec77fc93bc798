// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CurrentFolder.h"

#include "platform/Failure.h"

namespace vorlent {

std::string currentFolderOrFailure(const CurrentFolder& currentFolder) {
  std::string folder = currentFolder.get();
  if (folder.empty()) {
    throw Failure(fileFailureText(FileFailureKind::FileNotFound));
  }
  return folder;
}

CurrentFolderScope::CurrentFolderScope(CurrentFolder& currentFolder, std::string_view folder)
    : currentFolder_(currentFolder), remembered_(currentFolder.get()) {
  currentFolder_.set(folder);
}

CurrentFolderScope::~CurrentFolderScope() { currentFolder_.set(remembered_); }

}  // namespace vorlent
