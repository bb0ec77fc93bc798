#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/WholeFile.h"
#include "platform/posix/FileDescriptor.h"

namespace vorlent {

namespace {

// A path longer than the system takes at once is followed folder by folder; the last part is
// followed when it is a link unless lastFlags says AT_SYMLINK_NOFOLLOW.
bool statByParts(const std::string& path, struct stat& info, int lastFlags) {
  if (path.empty() || path.front() != '/') {
    return false;
  }
  FileDescriptor folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  std::size_t start = 1;
  while (folder.isOpen()) {
    const std::size_t end = path.find('/', start);
    const std::string part = path.substr(start, end == std::string::npos ? end : end - start);
    if (end == std::string::npos) {
      return part.empty() ? ::fstat(folder.get(), &info) == 0
                          : ::fstatat(folder.get(), part.c_str(), &info, lastFlags) == 0;
    }
    if (!part.empty()) {
      folder =
          FileDescriptor(::openat(folder.get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    start = end + 1;
  }
  return false;
}

bool statMode(std::string_view path, mode_t& mode, int flags = 0) {
  struct stat info {};
  const std::string text(path);
  if (text.empty()) {
    return false;
  }
  if (::fstatat(AT_FDCWD, text.c_str(), &info, flags) != 0 &&
      (errno != ENAMETOOLONG || !statByParts(text, info, flags))) {
    return false;
  }
  mode = info.st_mode;
  return true;
}

FileKind kindOfMode(mode_t mode) {
  if (S_ISREG(mode)) {
    return FileKind::Regular;
  }
  return S_ISDIR(mode) ? FileKind::Folder : FileKind::Other;
}

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      throw systemFailure(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// Opened without blocking, a regular file is read and written as usual again; anything else
// keeps the flag, so that a FIFO or a device never stalls the program. Whether it is regular.
bool blockAgainIfRegular(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    return false;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) {
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
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
    FileDescriptor file(
        ::open(text.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666));
    if (file.get() < 0) {
      throw systemFailure(errno);
    }
    blockAgainIfRegular(file.get());
    writeAll(file.get(), bytes);
    if (file.close() != 0) {
      throw systemFailure(errno);
    }
  }

  // Opened without truncating, so that what is not a regular file is refused untouched; ELOOP
  // is the link that O_NOFOLLOW refuses, ENXIO a FIFO without a reader.
  void writeRegularFile(std::string_view path, std::string_view bytes) override {
    const std::string text(path);
    FileDescriptor file(
        ::open(text.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.isOpen()) {
      if (errno == ELOOP || errno == ENXIO) {
        throw Failure(notARegularFileText(path));
      }
      throw systemFailure(errno);
    }
    if (!blockAgainIfRegular(file.get())) {
      throw Failure(notARegularFileText(path));
    }
    if (::ftruncate(file.get(), 0) != 0) {
      throw systemFailure(errno);
    }
    writeAll(file.get(), bytes);
    if (file.close() != 0) {
      throw systemFailure(errno);
    }
  }

  // O_CREAT with O_EXCL never follows a link: a link of the name, leading anywhere or nowhere,
  // is EEXIST like any other entry.
  bool createNewFile(std::string_view path) override {
    const std::string text(path);
    FileDescriptor file(
        ::open(text.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.isOpen()) {
      if (errno == EEXIST) {
        return false;
      }
      throw systemFailure(errno);
    }
    if (file.close() != 0) {
      throw systemFailure(errno);
    }
    return true;
  }

  FileKind kindOf(std::string_view path) const override {
    mode_t mode = 0;
    return statMode(path, mode) ? kindOfMode(mode) : FileKind::Missing;
  }

  FileKind entryKindOf(std::string_view path) const override {
    mode_t mode = 0;
    return statMode(path, mode, AT_SYMLINK_NOFOLLOW) ? kindOfMode(mode) : FileKind::Missing;
  }

  std::string readRegularFile(std::string_view path, std::size_t limit) const override {
    return readWholeRegularFile(path, limit);
  }

  bool canRewrite(std::string_view path) const override {
    const std::string text(path);
    // The rights the program writes with, not those of the user who started it.
    return kindOf(path) == FileKind::Regular &&
           ::faccessat(AT_FDCWD, text.c_str(), W_OK, AT_EACCESS) == 0;
  }

  bool folderTakesNewFiles(std::string_view folder) const override {
    std::string probe = std::string(folder.empty() ? "." : folder);
    if (probe.back() != '/') {
      probe += '/';
    }
    probe += ".vorlent-probe-XXXXXX";
    if (!FileDescriptor(::mkstemp(probe.data())).isOpen()) {
      return false;
    }
    ::unlink(probe.c_str());
    return true;
  }
};

}  // namespace

std::unique_ptr<FileSystem> makeFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace vorlent
