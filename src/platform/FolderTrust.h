// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// Why a folder the program keeps its own files in cannot be trusted to stay what it is.
enum class FolderDistrust {
  None,
  // A symbolic link stands at the folder's place or on its way.
  Link,
  // Something that is no folder stands there.
  NotAFolder,
  // The folder, or one on its way, belongs to another user.
  OtherOwner,
  // Other users may add, remove or swap entries in the folder or in one on its way.
  OpenToOthers,
  // The folder cannot be made.
  CannotMake,
  // The folder's path is longer than the program it is handed to takes.
  TooLong,
};

}  // namespace vorlent
