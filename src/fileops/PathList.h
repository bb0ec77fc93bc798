// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "browser/FileList.h"
#include "platform/FileSystem.h"

namespace vorlent {

// The full paths of the selected entries in list order, leaving out ".." and every path that
// names neither an existing file nor an existing folder at this moment.
std::vector<std::string> buildPathList(const FileList& list, const FileSystem& files);

}  // namespace vorlent
