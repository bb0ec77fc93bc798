// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/FileBeside.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>

#include "platform/PathParts.h"
#include "platform/posix/FittingNames.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

constexpr int kMostNameClashes = 100;

constexpr std::string_view kTemporaryMark = ".tmp";

std::string temporaryMark(pid_t process, unsigned number) {
  return std::string(kTemporaryMark) + std::to_string(process) + "-" + std::to_string(number);
}

// The name beside a target of the given name with the mark; cut so that the whole fits.
std::string markedName(std::string_view targetName, std::string_view prefix,
                       std::string_view mark) {
  return std::string(prefix) +
         nameCutToFit(targetName, kLongestName - prefix.size() - mark.size()) + std::string(mark);
}

std::optional<unsigned long> decimal(std::string_view digits) {
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || (digits.front() == '0' && digits.size() > 1) || error != std::errc() ||
      end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

// The process that made the temporary file of this name for the target, if the name is one.
std::optional<pid_t> temporaryFileMaker(std::string_view name, std::string_view targetName) {
  const std::size_t markAt = name.rfind(kTemporaryMark);
  const std::size_t dash = name.rfind('-');
  if (markAt == std::string_view::npos || dash == std::string_view::npos || dash < markAt) {
    return std::nullopt;
  }
  const auto process =
      decimal(name.substr(markAt + kTemporaryMark.size(), dash - markAt - kTemporaryMark.size()));
  const auto number = decimal(name.substr(dash + 1));
  if (!process || !number || *process == 0 || *process > 0x7FFFFFFF || *number > 0xFFFFFFFF) {
    return std::nullopt;
  }
  const auto maker = static_cast<pid_t>(*process);
  if (name != markedName(targetName, "", temporaryMark(maker, static_cast<unsigned>(*number)))) {
    return std::nullopt;
  }
  return maker;
}

bool isRunning(pid_t process) { return ::kill(process, 0) == 0 || errno == EPERM; }

}  // namespace

void removeStaleTemporaryFiles(std::string_view target) {
  const std::string folder = parentFolderOf(target);
  const std::string targetName = fileNamePart(target, PathStyle::Posix);
  Directory entries(folder);
  std::vector<std::string> stale;
  while (const dirent* entry = entries.next()) {
    const std::optional<pid_t> maker = temporaryFileMaker(entry->d_name, targetName);
    struct stat status {};
    if (maker && !isRunning(*maker) &&
        ::fstatat(entries.descriptor(), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(status.st_mode)) {
      stale.emplace_back(entry->d_name);
    }
  }
  for (const std::string& name : stale) {
    ::unlinkat(entries.descriptor(), name.c_str(), 0);
  }
}

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
  const unsigned number = counter.fetch_add(1);
  const std::string mark = hidden
                               ? ".part" + std::to_string(::getpid()) + "-" + std::to_string(number)
                               : temporaryMark(::getpid(), number);
  path_ = folderPartWithDelimiter(target_, PathStyle::Posix) +
          markedName(fileNamePart(target_, PathStyle::Posix), hidden ? "." : "", mark);
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
