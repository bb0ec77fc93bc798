// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

#include "platform/posix/FileDescriptor.h"

namespace vorlent {

// A file made beside a target under a name that no one else uses, which takes the target's
// place only when complete: the temporary file of a save, the part file of a copy. Removed on
// every way out unless it was placed; a name that was never made is never removed.
class FileBeside {
 public:
  enum class Naming {
    Temporary,  // "name.tmp<process>-<n>"
    HiddenPart  // ".name.part<process>-<n>"
  };

  // Only a name: nothing is made yet.
  FileBeside(std::string_view target, Naming naming);
  ~FileBeside();
  FileBeside(const FileBeside&) = delete;
  FileBeside& operator=(const FileBeside&) = delete;

  const std::string& path() const { return path_; }

  // Makes an empty file for writing, exclusively, under the next free name when the name is
  // taken. Not open, with errno set, when no file can be made there.
  FileDescriptor createFile(mode_t mode);

  // Makes a symbolic link holding `pointee`; false with errno set.
  bool createLink(const std::string& pointee);

  // Renames the file over the target; false with errno set.
  bool placeAt(const std::string& target);

 private:
  void name();

  std::string target_;
  Naming naming_;
  std::string path_;
  bool made_ = false;
  bool placed_ = false;
};

// Removes the temporary files that saves of the target by processes now ended left beside it
// (killed before their rename): only regular files whose name is exactly the temporary naming
// of that target, and never one of a process that still runs.
void removeStaleTemporaryFiles(std::string_view target);

}  // namespace vorlent
