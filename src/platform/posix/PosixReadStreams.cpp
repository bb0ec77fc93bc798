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
    ::posix_fadvise(file_.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  }

  int systemHandle() const override { return file_.get(); }

  std::size_t read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(file_.get(), buffer, size);
      if (got >= 0) {
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) {
        throw systemFailure(errno);
      }
    }
  }

 private:
  FileDescriptor file_;
};

class PosixReadStreams final : public ReadStreams {
 public:
  std::unique_ptr<ReadStream> open(std::string_view path) override {
    return std::make_unique<PosixReadStream>(path);
  }
};

}  // namespace

std::unique_ptr<ReadStreams> makeReadStreams() { return std::make_unique<PosixReadStreams>(); }

}  // namespace vorlent
