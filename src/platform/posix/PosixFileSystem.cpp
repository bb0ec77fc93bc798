#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/posix/FileDescriptor.h"

namespace vorlent {

namespace {

bool statMode(std::string_view path, mode_t& mode) {
  struct stat info {};
  const std::string text(path);
  if (text.empty() || ::stat(text.c_str(), &info) != 0) {
    return false;
  }
  mode = info.st_mode;
  return true;
}

class PosixFileSystem final : public FileSystem {
 public:
  bool fileExists(std::string_view path) const override {
    mode_t mode = 0;
    return statMode(path, mode) && !S_ISDIR(mode);
  }

  bool folderExists(std::string_view path) const override {
    mode_t mode = 0;
    return statMode(path, mode) && S_ISDIR(mode);
  }

  void writeFile(std::string_view path, std::string_view bytes) override {
    const std::string text(path);
    FileDescriptor file(::open(text.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0) {
      throw systemFailure(errno);
    }
    while (!bytes.empty()) {
      const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) {
          continue;
        }
        throw systemFailure(errno);
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (file.close() != 0) {
      throw systemFailure(errno);
    }
  }

  std::string readFile(std::string_view path) const override {
    const std::string text(path);
    FileDescriptor file(::open(text.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
      throw systemFailure(errno);
    }
    std::string content;
    char buffer[65536];
    for (;;) {
      const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR) {
          continue;
        }
        throw systemFailure(errno);
      }
      if (got == 0) {
        return content;
      }
      content.append(buffer, static_cast<std::size_t>(got));
    }
  }
};

}  // namespace

std::unique_ptr<FileSystem> makeFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace vorlent
