// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/Failure.h"
#include "platform/WholeFile.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/RegularFileOpening.h"

namespace vorlent {

std::string readWholeRegularFile(std::string_view path, std::size_t sizeLimit) {
  const RegularFileOpening opening = openRegularFile(std::string(path));
  if (opening.kind == OpenedKind::Failed) {
    throw systemFailure(opening.error);
  }
  if (opening.kind != OpenedKind::Regular) {
    throw Failure(notARegularFileText(path));
  }
  const FileDescriptor& file = opening.file;
  const struct stat& info = opening.info;
  if (static_cast<unsigned long long>(info.st_size) > sizeLimit) {
    throw Failure(fileTooLargeText(path, sizeLimit));
  }
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      // The file may have grown since fstat; read what there is, up to the limit.
      if (bytes.size() >= sizeLimit) {
        char probe = 0;
        const ssize_t more = ::read(file.get(), &probe, 1);
        if (more > 0) {
          throw Failure(fileTooLargeText(path, sizeLimit));
        }
        break;
      }
      bytes.resize(std::min(sizeLimit, bytes.size() + 65536));
    }
    const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw systemFailure(errno);
    }
    if (got == 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace vorlent
