// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/Failure.h"
#include "platform/ReadStreams.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/RegularFileOpening.h"

namespace vorlent {

namespace {

class PosixReadStream final : public ReadStream {
 public:
  // Only a file is read: a pipe would wait for a writer and a device may never end. What the
  // name is gets looked at before the open, so that no device is opened at all, and again on
  // what was opened (without waiting), so that a name swapped meanwhile is caught as well.
  explicit PosixReadStream(std::string_view path) {
    const std::string text(path);
    struct stat looked {};
    if (::stat(text.c_str(), &looked) != 0) {
      throw systemFailure(errno);
    }
    if (!S_ISREG(looked.st_mode)) {
      throw systemFailure(S_ISDIR(looked.st_mode) ? EISDIR : EACCES);
    }
    RegularFileOpening opening = openRegularFile(text);
    if (opening.kind != OpenedKind::Regular) {
      throw systemFailure(opening.kind == OpenedKind::Failed   ? opening.error
                          : opening.kind == OpenedKind::Folder ? EISDIR
                                                               : EACCES);
    }
    file_ = std::move(opening.file);
    size_ = opening.info.st_size;
    ::posix_fadvise(file_.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  }

  int systemHandle() const override { return file_.get(); }

  // A file that grows or shrinks while it is read has no whole content to give: reading past
  // the size it had when opened, or an end before that size, or a size that differs at the end,
  // is a failure. The position is the file's own, so that bytes the system copied from it
  // count as read.
  std::size_t read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(file_.get(), buffer, size);
      if (got > 0) {
        if (position() > size_) {
          throw systemFailure(EIO);
        }
        return static_cast<std::size_t>(got);
      }
      if (got == 0) {
        struct stat now {};
        if (::fstat(file_.get(), &now) != 0 || now.st_size != size_ || position() != size_) {
          throw systemFailure(EIO);
        }
        return 0;
      }
      if (errno != EINTR) {
        throw systemFailure(errno);
      }
    }
  }

 private:
  off_t position() const { return ::lseek(file_.get(), 0, SEEK_CUR); }

  FileDescriptor file_;
  off_t size_ = 0;
};

}  // namespace

std::unique_ptr<ReadStreams> makeReadStreams() {
  return std::make_unique<ReadStreamsOf<PosixReadStream>>();
}

}  // namespace vorlent
