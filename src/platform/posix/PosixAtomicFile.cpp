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

// The file a symbolic link leads to, so that a save replaces that file and the link stays (a
// link that leads nowhere yet leads to the file the save makes). The path itself when it is no
// link, or when the links end in anything but a file.
std::string fileBehindLinks(const std::string& path) {
  constexpr int kMostLinks = 40;
  std::string current = path;
  for (int step = 0; step < kMostLinks; ++step) {
    struct stat status {};
    if (::lstat(current.c_str(), &status) != 0) {
      return errno == ENOENT ? current : path;
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

class PosixAtomicFile final : public AtomicFile {
 public:
  explicit PosixAtomicFile(std::string_view targetPath) {
    const std::string given(targetPath);
    target_ = fileBehindLinks(given);
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
    // The new file keeps the permissions of the one it replaces.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
      ::fchmod(file_.get(), existing.st_mode & 07777);
    }
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

class PosixAtomicFiles final : public AtomicFiles {
 public:
  std::unique_ptr<AtomicFile> create(std::string_view targetPath) override {
    return std::make_unique<PosixAtomicFile>(targetPath);
  }
};

}  // namespace

std::unique_ptr<AtomicFiles> makeAtomicFiles() { return std::make_unique<PosixAtomicFiles>(); }

}  // namespace vorlent
