// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/WholeFile.h"
#include "platform/posix/FileBeside.h"
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

// Rewrites the open regular file from its start without losing it: the room for the bytes is
// reserved before the first byte changes, so that a full disk leaves the file as it was.
void rewriteOpenFile(int file, const struct stat& before, std::string_view bytes) {
  const auto length = static_cast<off_t>(bytes.size());
  if (length > 0) {
    if (const int code = ::posix_fallocate(file, 0, length); code != 0) {
      // A failed reservation may have grown the file; it is cut back to its own bytes.
      struct stat after {};
      if (::fstat(file, &after) == 0 && after.st_size != before.st_size) {
        static_cast<void>(::ftruncate(file, before.st_size));
      }
      throw systemFailure(code);
    }
  }
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written =
        ::pwrite(file, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (written < 0) {
      if (errno == EINTR) continue;
      throw systemFailure(errno);
    }
    done += static_cast<std::size_t>(written);
  }
  if (::ftruncate(file, length) != 0 || ::fsync(file) != 0) {
    throw systemFailure(errno);
  }
}

// Opened without truncating, so that what is not a regular file, or a file with another name
// too, is refused untouched; ELOOP is the link that O_NOFOLLOW refuses, ENXIO a FIFO without a
// reader.
void rewriteWhereItStands(const std::string& path, std::string_view bytes) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (!file.isOpen()) {
    if (errno == ELOOP || errno == ENXIO) {
      throw Failure(notARegularFileText(path));
    }
    throw systemFailure(errno);
  }
  struct stat info {};
  if (!blockAgainIfRegular(file.get())) {
    throw Failure(notARegularFileText(path));
  }
  if (::fstat(file.get(), &info) != 0 || info.st_nlink != 1) {
    throw systemFailure(EACCES);
  }
  rewriteOpenFile(file.get(), info, bytes);
  if (file.close() != 0) {
    throw systemFailure(errno);
  }
}

class PosixFileLock final : public FileLock {
 public:
  explicit PosixFileLock(FileDescriptor file) : file_(std::move(file)) {}

 private:
  FileDescriptor file_;
};

bool sameFile(const struct stat& one, const struct stat& other) {
  return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whoever may read a file may lock it, so a holder that never lets go is outwaited, not obeyed.
constexpr int kLockTries = 100;
constexpr useconds_t kLockPause = 50'000;

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

  // A new file renamed over the name, so that another name of the same file (a hard link) never
  // changes; it takes the owner and mode the name had. Where the folder takes no new file, a
  // file of one name alone is rewritten where it stands.
  void writeRegularFile(std::string_view path, std::string_view bytes) override {
    const std::string text(path);
    struct stat existing {};
    const bool exists = ::lstat(text.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
      throw systemFailure(errno);
    }
    if (exists && S_ISDIR(existing.st_mode)) {
      throw systemFailure(EISDIR);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
      throw Failure(notARegularFileText(path));
    }
    if (exists && ::faccessat(AT_FDCWD, text.c_str(), W_OK, AT_EACCESS) != 0) {
      throw systemFailure(errno);
    }
    FileBeside replacement(text, FileBeside::Naming::Temporary);
    FileDescriptor file = replacement.createFile(0666);
    if (!file.isOpen()) {
      const int code = errno;
      if (exists && existing.st_nlink == 1) {
        rewriteWhereItStands(text, bytes);
        return;
      }
      throw systemFailure(code);
    }
    if (exists) {
      if (::fchown(file.get(), existing.st_uid, existing.st_gid) != 0) {
        ::fchown(file.get(), static_cast<uid_t>(-1), existing.st_gid);
      }
      ::fchmod(file.get(), existing.st_mode & 07777);
    }
    writeAll(file.get(), bytes);
    if (file.close() != 0 || !replacement.placeAt(text)) {
      throw systemFailure(errno);
    }
  }

  // A save that replaces the file renames a new one over the name: whoever waited on the old
  // file then locks the new one.
  std::unique_ptr<FileLock> lockFile(std::string_view path) override {
    const std::string text(path);
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
      // Only a regular file is opened: opening a device can act on it.
      if (kindOf(path) != FileKind::Regular) {
        return nullptr;
      }
      constexpr int kFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
      FileDescriptor file(::open(text.c_str(), O_RDONLY | kFlags));
      if (!file.isOpen()) {
        file = FileDescriptor(::open(text.c_str(), O_WRONLY | kFlags));
      }
      struct stat locked {};
      if (!file.isOpen() || ::fstat(file.get(), &locked) != 0 || !S_ISREG(locked.st_mode)) {
        return nullptr;
      }
      if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
        ::usleep(kLockPause);
        continue;
      }
      struct stat named {};
      if (::stat(text.c_str(), &named) == 0 && sameFile(named, locked)) {
        return std::make_unique<PosixFileLock>(std::move(file));
      }
    }
    return nullptr;
  }

  void rewriteInPlace(std::string_view path, std::string_view bytes) override {
    const std::string text(path);
    FileDescriptor file(::open(text.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) {
      throw errno == ENXIO ? Failure(notARegularFileText(path)) : systemFailure(errno);
    }
    struct stat before {};
    if (!blockAgainIfRegular(file.get()) || ::fstat(file.get(), &before) != 0) {
      throw Failure(notARegularFileText(path));
    }
    rewriteOpenFile(file.get(), before, bytes);
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
