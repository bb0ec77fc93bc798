// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ListedEntryOpening.h"

#include "browser/MediumKind.h"
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
  switch (mediumKindOfPath(focused->fullPath, style)) {
    case MediumKind::Cartridge:
      return {OpeningKind::MountCartridge, {}};
    case MediumKind::Disk:
      return {OpeningKind::MountDisk, {}};
    case MediumKind::Tape:
      return {OpeningKind::MountTape, {}};
    case MediumKind::None:
      break;
  }
  if (asciiLower(extensionOf(focused->fullPath, style)) != ".exe") {
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

void setRange(ListMenuVisibility& items, ListMenuItem from, ListMenuItem to, bool visible) {
  for (auto i = static_cast<std::size_t>(from); i <= static_cast<std::size_t>(to); ++i) {
    items[i] = visible;
  }
}

}  // namespace

ListMenuVisibility listMenuVisibility(const FileList& list, const FileSystem& files,
                                      PathStyle style) {
  using enum ListMenuItem;
  ListMenuVisibility items;
  items.fill(true);
  const std::size_t selected = list.selectedCount();
  const FileListEntry* focused = list.focused();
  if (selected == 0 || focused == nullptr) {
    setRange(items, OpenSeparator, Join, false);
    return items;
  }
  if (selected > 1) {
    setRange(items, NewFile, Rename, false);
    return items;
  }
  setRange(items, NewFile, OpenSeparator, false);
  setRange(items, OpenWindow, Tape, false);
  setRange(items, JoinSeparator, Join, false);
  if (focused->caption == "..") {
    setRange(items, FileSeparator, Trash, false);
  }
  if (files.folderExists(focused->fullPath)) {
    items[OpenWindow] = true;
  }
  // Unlike opening, the menu offers a medium only for a file that is there.
  const MediumKind medium = files.fileExists(focused->fullPath)
                                ? mediumKindOfPath(focused->fullPath, style)
                                : MediumKind::None;
  switch (medium) {
    case MediumKind::Cartridge:
      items[Open] = false;
      items[Slot1] = items[Slot2] = true;
      break;
    case MediumKind::Disk:
      items[Open] = false;
      items[Drive1] = items[Drive2] = true;
      break;
    case MediumKind::Tape:
      items[Open] = false;
      items[Tape] = true;
      break;
    case MediumKind::None:
      break;
  }
  return items;
}

}  // namespace vorlent
