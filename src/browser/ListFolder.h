// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browser/FileList.h"
#include "browser/FileListEntry.h"
#include "feedback/BusyIndicator.h"
#include "platform/FolderEnumerator.h"

namespace vorlent {

// The list entry for one enumerated name of a folder (given as a normalised full path). When the
// name came without its details, the entry is marked as pending.
FileListEntry makeFileListEntry(std::string_view folderPath, const FolderItem& item);

// Replaces all entries with those of the folder, in enumeration order, and returns the folder's
// normalised full path. Details the enumeration did not deliver are read as entries are read. A
// folder that cannot be read leaves the list as it was and gives nothing. The current folder is not
// touched.
std::optional<std::string> ListFolder(FileList& list, std::string_view folder,
                                      FolderEnumerator& enumerator, BusyIndicator& busy);

}  // namespace vorlent
