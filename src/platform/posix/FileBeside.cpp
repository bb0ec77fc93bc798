#include "platform/posix/FileBeside.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/PathParts.h"
#include "platform/posix/FittingNames.h"

namespace vorlent {

namespace {

constexpr int kMostNameClashes = 100;

}  // namespace

FileBeside::FileBeside(std::string_view target, Naming naming) : target_(target), naming_(naming) {
  name();
}

FileBeside::~FileBeside() {
  if (made_ && !placed_) {
    ::unlink(path_.c_str());
  }
}

// The process and the counter make the name unique; the target's name only tells whose it is,
// and is cut so that the whole fits a folder entry.
void FileBeside::name() {
  static std::atomic<unsigned> counter{0};
  const bool hidden = naming_ == Naming::HiddenPart;
  const std::string mark = (hidden ? ".part" : ".tmp") + std::to_string(::getpid()) + "-" +
                           std::to_string(counter.fetch_add(1));
  const std::string prefix = hidden ? "." : "";
  path_ = folderPartWithDelimiter(target_, PathStyle::Posix) + prefix +
          nameCutToFit(fileNamePart(target_, PathStyle::Posix),
                       kLongestName - prefix.size() - mark.size()) +
          mark;
}

FileDescriptor FileBeside::createFile(mode_t mode) {
  for (int attempt = 0; attempt < kMostNameClashes; ++attempt) {
    FileDescriptor file(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (file.isOpen()) {
      made_ = true;
      return file;
    }
    if (errno != EEXIST) {
      return file;
    }
    name();
  }
  return FileDescriptor();
}

bool FileBeside::createLink(const std::string& pointee) {
  made_ = ::symlink(pointee.c_str(), path_.c_str()) == 0;
  return made_;
}

bool FileBeside::placeAt(const std::string& target) {
  placed_ = ::rename(path_.c_str(), target.c_str()) == 0;
  return placed_;
}

}  // namespace vorlent
