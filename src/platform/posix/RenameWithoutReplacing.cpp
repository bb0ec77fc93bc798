// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/RenameWithoutReplacing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace vorlent {

bool renameWithoutReplacing(const std::string& from, const std::string& to,
                            const RenameSteps& steps) {
  if (!steps.flagRefused) {
    if (steps.beforeRename) steps.beforeRename();
    // The system refuses an existing target in the same step as the rename: nothing made in
    // between can be replaced.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
      return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
  }
  // A file system that knows no such rename gets the check just before it.
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) {
    errno = EEXIST;
    return false;
  }
  if (steps.flagRefused && steps.beforeRename) steps.beforeRename();
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace vorlent
