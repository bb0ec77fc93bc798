// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <array>

#include "browser/FileListIconNumbers.h"

namespace vorlent {

// The nineteen pictures of the file list by icon index, each at 32 x 32 for the large-icon view
// and 16 x 16 for the other views.
class FileListIcons {
 public:
  FileListIcons();

  // An index out of range gives the plain document.
  const QIcon& icon(int index) const;

 private:
  std::array<QIcon, kFileListIconCount> icons_;
};

}  // namespace vorlent
