// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/RegularFileOpening.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace vorlent {

RegularFileOpening openRegularFile(const std::string& path, int extraFlags) {
  RegularFileOpening opening;
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | extraFlags));
  const int fd = file.get();
  if (!file.isOpen()) {
    opening.error = errno;
    return opening;
  }
  // NOLINTNEXTLINE(bugprone-branch-clone): both failures report errno, at different steps
  if (::fstat(fd, &opening.info) != 0) {
    opening.error = errno;
  } else if (S_ISDIR(opening.info.st_mode)) {
    opening.kind = OpenedKind::Folder;
  } else if (!S_ISREG(opening.info.st_mode)) {
    opening.kind = OpenedKind::Other;
  } else if (const int flags = ::fcntl(fd, F_GETFL);
             flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    opening.error = errno;
  } else {
    opening.kind = OpenedKind::Regular;
    opening.file = std::move(file);
  }
  return opening;
}

}  // namespace vorlent
