// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/ListFolder.h"

#include <vector>

#include "browser/EntryIcon.h"
#include "browser/EntryTexts.h"
#include "platform/ControlCharacters.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

bool isFolderEntry(const FileListEntry& entry) {
  return entry.iconIndex == kFolderIcon || entry.iconIndex == kParentFolderIcon;
}

void setDetails(FileListEntry& entry, const ItemDetails& details) {
  if (!isFolderEntry(entry)) {
    entry.iconIndex = ClassifyEntryIcon(entry.typeText, details.sizeInBytes);
    entry.sizeText = sizeText(details.sizeInBytes);
  }
  entry.timeStamp = timeStampText(details.lastWrite);
}

// Fills in a pending entry's size text, icon and time stamp.
void readPendingDetails(FileListEntry& entry, const DetailsOfPath& readDetails) {
  const std::optional<ItemDetails> details =
      readDetails ? readDetails(entry.fullPath) : std::nullopt;
  if (details) {
    setDetails(entry, *details);
  } else if (!isFolderEntry(entry)) {
    // The name went away after the listing: a file of size 0 whose time nobody knows.
    entry.iconIndex = ClassifyEntryIcon(entry.typeText, 0);
    entry.sizeText = sizeText(0);
  }
}

}  // namespace

FileListEntry makeFileListEntry(std::string_view folderPath, const FolderItem& item) {
  FileListEntry entry;
  entry.caption = withControlsMarked(item.name);
  // The full path keeps the name's exact bytes, so that every operation reaches the file.
  // The delimiter is the platform's: "\" on Windows, "/" elsewhere.
  entry.fullPath = joinPath(folderPath, item.name, nativePathStyle());
  if (item.isFolder) {
    entry.iconIndex = item.name == ".." ? kParentFolderIcon : kFolderIcon;
  } else {
    entry.typeText = withControlsMarked(extensionOfName(item.name));
  }
  if (item.details) {
    setDetails(entry, *item.details);
  } else {
    entry.detailsPending = true;
  }
  return entry;
}

std::optional<std::string> ListFolder(FileList& list, std::string_view folder,
                                      FolderEnumerator& enumerator, BusyIndicator& busy) {
  const BusyScope hourglass(busy);
  std::optional<FolderContents> contents = enumerator.enumerate(folder);
  if (!contents) {
    return std::nullopt;
  }
  std::string folderPath = contents->folderPath;
  std::vector<FileListEntry> entries;
  entries.reserve(contents->items.size());
  for (const FolderItem& item : contents->items) {
    if (item.name != ".") {
      entries.push_back(makeFileListEntry(contents->folderPath, item));
    }
  }
  list.assign(std::move(entries), [read = std::move(contents->readDetails)](FileListEntry& entry) {
    readPendingDetails(entry, read);
  });
  return folderPath;
}

}  // namespace vorlent
