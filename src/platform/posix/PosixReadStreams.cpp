#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/Failure.h"
#include "platform/ReadStreams.h"

namespace vorlent {

namespace {

class PosixReadStream final : public ReadStream {
 public:
  explicit PosixReadStream(std::string_view path) {
    const std::string text(path);
    fd_ = ::open(text.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
      throw systemFailure(errno);
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
      const int code = S_ISDIR(info.st_mode) ? EISDIR : errno;
      ::close(fd_);
      throw systemFailure(code);
    }
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  }
  ~PosixReadStream() override { ::close(fd_); }
  PosixReadStream(const PosixReadStream&) = delete;
  PosixReadStream& operator=(const PosixReadStream&) = delete;

  int systemHandle() const override { return fd_; }

  std::size_t read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, size);
      if (got >= 0) {
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) {
        throw systemFailure(errno);
      }
    }
  }

 private:
  int fd_ = -1;
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
