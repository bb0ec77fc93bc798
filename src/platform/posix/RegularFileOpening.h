// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/posix/FileDescriptor.h"

namespace vorlent {

// What a name opened for reading turned out to be.
enum class OpenedKind { Regular, Folder, Other, Failed };

struct RegularFileOpening {
  OpenedKind kind = OpenedKind::Failed;
  // The open regular file; nothing is open for anything else.
  FileDescriptor file;
  // The errno of a failed open or status query.
  int error = 0;
  struct stat info {};
};

// Opens the name for reading without waiting for a FIFO's writer or a device, and judges what
// was opened, so a name swapped for a pipe or a device meanwhile is caught too. Only a regular
// file stays open, reading as usual (blocking) again; anything else is closed at once.
RegularFileOpening openRegularFile(const std::string& path, int extraFlags = 0);

}  // namespace vorlent
