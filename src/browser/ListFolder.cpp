#include "browser/ListFolder.h"

#include <vector>

#include "browser/EntryIcon.h"
#include "browser/EntryTexts.h"
#include "platform/PathParts.h"

namespace vorlent {

FileListEntry makeFileListEntry(std::string_view folderPath, const FolderItem& item) {
  FileListEntry entry;
  entry.caption = displayName(item.name);
  // The full path keeps the name's exact bytes, so that every operation reaches the file.
  // The delimiter is the platform's: "\" on Windows, "/" elsewhere.
  entry.fullPath = joinPath(folderPath, item.name, nativePathStyle());
  if (item.isFolder) {
    entry.iconIndex = item.name == ".." ? kParentFolderIcon : kFolderIcon;
  } else {
    const std::string_view extension = extensionOfName(item.name);
    entry.iconIndex = ClassifyEntryIcon(extension, item.sizeInBytes);
    entry.sizeText = sizeText(item.sizeInBytes);
    entry.typeText = displayName(extension);
  }
  entry.timeStamp = timeStampText(item.lastWrite);
  return entry;
}

std::optional<std::string> ListFolder(FileList& list, std::string_view folder,
                                      FolderEnumerator& enumerator, BusyIndicator& busy) {
  const BusyScope hourglass(busy);
  std::optional<FolderContents> contents = enumerator.enumerate(folder);
  if (!contents) {
    return std::nullopt;
  }
  std::vector<FileListEntry> entries;
  entries.reserve(contents->items.size());
  for (const FolderItem& item : contents->items) {
    if (item.name != ".") {
      entries.push_back(makeFileListEntry(contents->folderPath, item));
    }
  }
  list.assign(std::move(entries));
  return std::move(contents->folderPath);
}

}  // namespace vorlent
