// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "platform/posix/FileBeside.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

constexpr std::size_t kCopyChunk = std::size_t{1} << 30;

// Makes a completed rename survive a power cut; a folder that cannot be synced is no failure
// of the save itself.
void syncFolder(const std::string& folder) {
  const FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.isOpen()) {
    ::fsync(handle.get());
  }
}

// The file a symbolic link leads to, so that a save replaces that file and the link stays. The
// path itself when it is no link, or when the links end in anything but a file: a link that
// leads nowhere is replaced itself, and the file it names is never made.
std::string fileBehindLinks(const std::string& path) {
  constexpr int kMostLinks = 40;
  std::string current = path;
  for (int step = 0; step < kMostLinks; ++step) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0) {
      return path;
    }
    if (!S_ISLNK(status.st_mode)) {
      return S_ISREG(status.st_mode) ? current : path;
    }
    const std::optional<std::string> link = readLink(current);
    if (!link || link->empty()) {
      return path;
    }
    current = link->front() == '/' ? *link : parentFolderOf(current) + "/" + *link;
  }
  return path;
}

// A file that this program may not write is not replaced either, although its folder would let
// the rename through: the save is refused as the write would be.
void refuseUnwritable(const std::string& target) {
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 &&
      (errno == EACCES || errno == EPERM || errno == EROFS)) {
    throw systemFailure(errno);
  }
}

// The new file takes the owner, group and permissions of the one it replaces. Only root can give
// a file to another user; otherwise the file becomes the user's, in the same group where the
// user belongs to it.
void takeOwnerAndMode(int file, const std::string& target) {
  struct stat existing {};
  struct stat made {};
  if (::stat(target.c_str(), &existing) != 0 || ::fstat(file, &made) != 0) {
    return;
  }
  if ((existing.st_uid != made.st_uid || existing.st_gid != made.st_gid) &&
      ::fchown(file, existing.st_uid, existing.st_gid) != 0) {
    ::fchown(file, static_cast<uid_t>(-1), existing.st_gid);
  }
  ::fchmod(file, existing.st_mode & 07777);
}

class PosixAtomicFile final : public AtomicFile {
 public:
  explicit PosixAtomicFile(std::string_view targetPath) {
    const std::string given(targetPath);
    target_ = fileBehindLinks(given);
    refuseUnwritable(target_);
    removeStaleTemporaryFiles(target_);
    temporary_.emplace(target_, FileBeside::Naming::Temporary);
    file_ = temporary_->createFile(0666);
    if (!file_.isOpen() && target_ != given) {
      // Where the linked file's folder takes no new file, the link itself is replaced.
      target_ = given;
      temporary_.emplace(target_, FileBeside::Naming::Temporary);
      file_ = temporary_->createFile(0666);
    }
    if (!file_.isOpen()) {
      throw systemFailure(errno);
    }
    takeOwnerAndMode(file_.get(), target_);
  }

  void write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(file_.get(), bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        throw systemFailure(errno);
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }

  bool appendRestOf(ReadStream& source) override {
    const int from = source.systemHandle();
    if (from < 0) {
      return false;
    }
    for (;;) {
      const ssize_t copied = ::copy_file_range(from, nullptr, file_.get(), nullptr, kCopyChunk, 0);
      if (copied > 0) {
        continue;
      }
      if (copied == 0) {
        return true;
      }
      if (errno == EINTR) {
        continue;
      }
      if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) {
        throw systemFailure(errno);
      }
      // Both offsets stand after the bytes copied so far, so reading and writing go on from
      // there and name the side that fails.
      return false;
    }
  }

  void commit() override {
    if (::fsync(file_.get()) != 0) {
      throw systemFailure(errno);
    }
    if (file_.close() != 0) {
      throw systemFailure(errno);
    }
    if (!temporary_->placeAt(target_)) {
      throw systemFailure(errno);
    }
    syncFolder(parentFolderOf(target_));
  }

 private:
  std::string target_;
  std::optional<FileBeside> temporary_;
  FileDescriptor file_;
};

}  // namespace

std::unique_ptr<AtomicFiles> makeAtomicFiles() {
  return std::make_unique<AtomicFilesOf<PosixAtomicFile>>();
}

}  // namespace vorlent
