// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaSelection.h"

#include "settings/ConfigLine.h"

namespace vorlent {

const FileListEntry* singleSelectedEntry(const FileList& list) {
  return list.selectedCount() == 1 ? list.focused() : nullptr;
}

std::optional<MountableFile> mountableFile(const FileListEntry& entry, MediumKind kind,
                                           ShortPaths& shortPaths, PathStyle style) {
  if (mediumKindOfPath(entry.fullPath, style) != kind || !fitsOnConfigLine(entry.fullPath)) {
    return std::nullopt;
  }
  std::optional<std::string> shortPath = shortPaths.shortForm(entry.fullPath);
  if (!shortPath || shortPath->empty() || !fitsOnConfigLine(*shortPath)) {
    return std::nullopt;
  }
  return MountableFile{std::move(*shortPath), entry.caption};
}

std::optional<MountableFile> selectedMountableFile(const FileList& list, MediumKind kind,
                                                   ShortPaths& shortPaths, PathStyle style) {
  const FileListEntry* entry = singleSelectedEntry(list);
  if (entry == nullptr) {
    return std::nullopt;
  }
  return mountableFile(*entry, kind, shortPaths, style);
}

}  // namespace vorlent
