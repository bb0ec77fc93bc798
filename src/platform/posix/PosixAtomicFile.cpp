#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "platform/posix/FittingNames.h"

namespace vorlent {

namespace {

constexpr std::size_t kCopyChunk = std::size_t{1} << 30;

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a completed rename survive a power cut; a folder that cannot be synced is no failure
// of the save itself.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
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
    std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 256) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
      return path;
    }
    link.resize(static_cast<std::size_t>(length));
    current = link.front() == '/' ? link : folderOf(current) + "/" + link;
  }
  return path;
}

class PosixAtomicFile final : public AtomicFile {
 public:
  explicit PosixAtomicFile(std::string_view targetPath) {
    const std::string given(targetPath);
    target_ = fileBehindLinks(given);
    if (!createTemporaryBeside(target_) && target_ != given) {
      // Where the linked file's folder takes no new file, the link itself is replaced.
      target_ = given;
      createTemporaryBeside(target_);
    }
    if (fd_ < 0) {
      throw systemFailure(errno);
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) {
      ::fchmod(fd_, existing.st_mode & 07777);
    }
  }

  ~PosixAtomicFile() override {
    if (fd_ >= 0) {
      ::close(fd_);
    }
    if (!committed_) {
      ::unlink(temporary_.c_str());
    }
  }

  PosixAtomicFile(const PosixAtomicFile&) = delete;
  PosixAtomicFile& operator=(const PosixAtomicFile&) = delete;

  void write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
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
      const ssize_t copied = ::copy_file_range(from, nullptr, fd_, nullptr, kCopyChunk, 0);
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
    if (::fsync(fd_) != 0) {
      throw systemFailure(errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
      throw systemFailure(errno);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
      throw systemFailure(errno);
    }
    committed_ = true;
    syncFolder(folderOf(target_));
  }

 private:
  // A name that no other save uses, so O_EXCL never meets a file left by someone else. False
  // with errno set when no file can be made there.
  bool createTemporaryBeside(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = target.substr(folder.size());
    for (int attempt = 0; attempt < 100; ++attempt) {
      // The target's name is cut where the whole would not fit a folder entry.
      const std::string mark =
          ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
      temporary_ = folder + nameCutToFit(name, kLongestName - mark.size()) + mark;
      fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        return true;
      }
      if (errno != EEXIST) {
        return false;
      }
    }
    return false;
  }

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool committed_ = false;
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
