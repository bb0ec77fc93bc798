#include "platform/posix/RenameWithoutReplacing.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace vorlent {

bool renameWithoutReplacing(const std::string& from, const std::string& to,
                            const RenameSteps& steps) {
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) {
    errno = EEXIST;
    return false;
  }
  if (steps.beforeRename) steps.beforeRename();
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace vorlent
