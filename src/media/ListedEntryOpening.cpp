#include "media/ListedEntryOpening.h"

#include "platform/PathParts.h"

namespace vorlent {

Opening decideOpening(const FileList& list, const FileSystem& files, PathStyle style) {
  const FileListEntry* focused = list.focused();
  const FileListEntry* first = list.firstSelected();
  if (first == nullptr || focused == nullptr) {
    return {};
  }
  if (files.folderExists(first->fullPath)) {
    return {OpeningKind::EnterFolder, first->fullPath};
  }
  const std::string extension = asciiLower(extensionOf(focused->fullPath, style));
  if (extension == ".rom") {
    return {OpeningKind::MountCartridge, {}};
  }
  if (extension == ".dsk") {
    return {OpeningKind::MountDisk, {}};
  }
  if (extension == ".cas") {
    return {OpeningKind::MountTape, {}};
  }
  if (extension != ".exe") {
    return {OpeningKind::OpenWithShell, first->fullPath};
  }
  const std::string name = asciiLower(fileNamePart(focused->fullPath, style));
  if (name == "fmsx-dos.exe") {
    return {OpeningKind::TakeFmsx, {}};
  }
  if (name == "brmsx.exe") {
    return {OpeningKind::TakeBrmsx, {}};
  }
  return {OpeningKind::RunProgram, {}};
}

namespace {

void setRange(ListMenuVisibility& items, std::size_t from, std::size_t to, bool visible) {
  for (std::size_t i = from; i <= to; ++i) {
    items[i] = visible;
  }
}

}  // namespace

ListMenuVisibility listMenuVisibility(const FileList& list, const FileSystem& files,
                                      PathStyle style) {
  ListMenuVisibility items;
  items.fill(true);
  const std::size_t selected = list.selectedCount();
  const FileListEntry* focused = list.focused();
  if (selected == 0 || focused == nullptr) {
    setRange(items, 2, 17, false);
    return items;
  }
  if (selected > 1) {
    setRange(items, 0, 12, false);
    return items;
  }
  setRange(items, 0, 2, false);
  setRange(items, 4, 10, false);
  setRange(items, 16, 17, false);
  if (focused->caption == "..") {
    setRange(items, 11, 15, false);
  }
  if (files.folderExists(focused->fullPath)) {
    items[4] = true;
  }
  const std::string existingFile = files.fileExists(focused->fullPath) ? focused->fullPath : "";
  const std::string extension = asciiLower(extensionOf(existingFile, style));
  if (extension == ".rom") {
    items[3] = false;
    items[6] = items[7] = true;
  } else if (extension == ".dsk") {
    items[3] = false;
    items[8] = items[9] = true;
  } else if (extension == ".cas") {
    items[3] = false;
    items[10] = true;
  }
  return items;
}

}  // namespace vorlent
