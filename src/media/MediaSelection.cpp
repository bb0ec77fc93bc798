#include "media/MediaSelection.h"

#include "platform/PathParts.h"
#include "settings/ConfigLine.h"

namespace vorlent {

const FileListEntry* singleSelectedEntry(const FileList& list) {
  return list.selectedCount() == 1 ? list.focused() : nullptr;
}

std::optional<MountableFile> mountableFile(const FileListEntry& entry,
                                           std::string_view lowerCaseExtension,
                                           ShortPaths& shortPaths, PathStyle style) {
  if (!hasExtension(entry.fullPath, lowerCaseExtension, style) ||
      !fitsOnConfigLine(entry.fullPath)) {
    return std::nullopt;
  }
  std::optional<std::string> shortPath = shortPaths.shortForm(entry.fullPath);
  if (!shortPath || shortPath->empty() || !fitsOnConfigLine(*shortPath)) {
    return std::nullopt;
  }
  return MountableFile{std::move(*shortPath), entry.caption};
}

}  // namespace vorlent
