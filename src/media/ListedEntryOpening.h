// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "browser/FileList.h"
#include "media/ListMenuItem.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace vorlent {

// What opening the listed selection does, decided by the first selected entry (folders and
// the shell) and by the focused entry's name (media and programs).
enum class OpeningKind {
  Nothing,
  EnterFolder,
  MountCartridge,  // slot 1
  MountDisk,       // drive 1
  MountTape,
  OpenWithShell,
  RunProgram,
  TakeFmsx,
  TakeBrmsx,
};

struct Opening {
  OpeningKind kind = OpeningKind::Nothing;
  // The first selected entry's full path, for EnterFolder and OpenWithShell.
  std::string path;
};

// With entries selected but none focused there is nothing to decide by, so nothing is done.
Opening decideOpening(const FileList& list, const FileSystem& files, PathStyle style);

using ListMenuVisibility = ListMenuTable<bool>;

// Which items of the list menu show for the selection; with entries selected but none
// focused the menu shows as for no selection.
ListMenuVisibility listMenuVisibility(const FileList& list, const FileSystem& files,
                                      PathStyle style);

}  // namespace vorlent
