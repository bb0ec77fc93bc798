// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filelist/FileListIcons.h"

#include "ui/look/Icons.h"

namespace vorlent {

FileListIcons::FileListIcons() {
  for (int index = 0; index < kFileListIconCount; ++index) {
    icons_[static_cast<std::size_t>(index)] = fileListIcon(index);
  }
}

const QIcon& FileListIcons::icon(int index) const {
  return index >= 0 && index < kFileListIconCount
             ? icons_[static_cast<std::size_t>(index)]
             : icons_[static_cast<std::size_t>(kPlainFileIcon)];
}

}  // namespace vorlent
