// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "browser/FileListIconNumbers.h"

namespace vorlent {

// One entry of the file list. Every operation reaches the file by its full path; the caption
// is for display and to recognise the parent entry "..".
struct FileListEntry {
  std::string caption;
  int iconIndex = kPlainFileIcon;
  std::string sizeText;
  std::string fullPath;
  std::string typeText;
  std::string timeStamp;
  // Size text, icon and time stamp are still to be read (see FileList::assign).
  bool detailsPending = false;

  bool operator==(const FileListEntry&) const = default;
};

}  // namespace vorlent
