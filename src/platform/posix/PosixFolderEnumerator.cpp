// SPDX-License-Identifier: GPL-3.0-or-later
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "platform/FolderEnumerator.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

// Converts modification times to local time. Entries of one folder often share their minute,
// so the last conversion is kept.
class LocalTimeConverter {
 public:
  LocalTime convert(std::time_t seconds) {
    // Floor division, so that times before 1970 fall into the right minute.
    const std::time_t minute = seconds / 60 - (seconds % 60 < 0 ? 1 : 0);
    if (!cachedMinute_ || *cachedMinute_ != minute) {
      const std::time_t start = minute * 60;
      std::tm parts{};
      if (::localtime_r(&start, &parts) == nullptr) {
        return {};
      }
      cached_ = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
                 parts.tm_min};
      cachedMinute_ = minute;
    }
    return cached_;
  }

 private:
  std::optional<std::time_t> cachedMinute_;
  LocalTime cached_;
};

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What a name is, by a status query that follows links; a link that points nowhere is taken by
// its own status. Nothing when the name is gone.
struct NameStatus {
  struct stat info {};
  bool dangling = false;
};

std::optional<NameStatus> statusOf(int folder, const char* name) {
  NameStatus status;
  if (::fstatat(folder, name, &status.info, 0) != 0) {
    if (::fstatat(folder, name, &status.info, AT_SYMLINK_NOFOLLOW) != 0) {
      return std::nullopt;
    }
    status.dangling = true;
  }
  return status;
}

bool isFolder(const NameStatus& status) { return !status.dangling && S_ISDIR(status.info.st_mode); }

ItemDetails detailsOf(const NameStatus& status, LocalTimeConverter& times) {
  ItemDetails details;
  details.sizeInBytes = isFolder(status) || status.dangling || status.info.st_size < 0
                            ? 0
                            : static_cast<std::uint64_t>(status.info.st_size);
  details.lastWrite = times.convert(status.info.st_mtim.tv_sec);
  return details;
}

// The kind a directory entry tells without a status query; links and entries of file systems
// that do not tell need one.
std::optional<bool> folderByEntryType(unsigned char type) {
  switch (type) {
    case DT_DIR:
      return true;
    case DT_REG:
    case DT_FIFO:
    case DT_SOCK:
    case DT_CHR:
    case DT_BLK:
      return false;
    default:
      return std::nullopt;
  }
}

class PosixFolderEnumerator final : public FolderEnumerator {
 public:
  std::optional<FolderContents> enumerate(std::string_view folder) override {
    const std::string path(folder);
    if (path.empty()) {
      return std::nullopt;
    }
    const std::optional<std::string> resolved = realPath(path);
    if (!resolved) {
      return std::nullopt;
    }
    FileDescriptor opened(::open(resolved->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!opened.isOpen()) {
      return std::nullopt;
    }
    Directory dir(std::move(opened));
    if (!dir.isOpen()) {
      return std::nullopt;
    }
    const int fd = dir.descriptor();
    struct stat self {};
    if (::fstat(fd, &self) != 0) {
      return std::nullopt;
    }

    FolderContents contents;
    contents.folderPath = *resolved;
    LocalTimeConverter times;
    for (;;) {
      errno = 0;
      const dirent* entry = dir.next();
      if (entry == nullptr) {
        if (errno != 0) {
          return std::nullopt;
        }
        break;
      }
      const std::string_view name = entry->d_name;
      if (name == ".") {
        continue;
      }
      FolderItem item;
      item.name = name;
      const std::optional<bool> folderByType =
          name == ".." ? std::nullopt : folderByEntryType(entry->d_type);
      if (folderByType) {
        item.isFolder = *folderByType;
      } else {
        // A name that vanished meanwhile is not listed.
        const std::optional<NameStatus> status = statusOf(fd, entry->d_name);
        if (!status || (name == ".." && sameFile(status->info, self))) {
          continue;
        }
        item.isFolder = isFolder(*status);
        item.details = detailsOf(*status, times);
      }
      contents.items.push_back(std::move(item));
    }
    // Names of the folder are read relative to it, so that no full path can be too long for
    // the system; the folder stays open as long as the details may be asked for.
    const auto folderHandle = std::make_shared<FileDescriptor>(::fcntl(fd, F_DUPFD_CLOEXEC, 0));
    const std::string prefix = contents.folderPath == "/" ? "/" : contents.folderPath + "/";
    contents.readDetails = [times = LocalTimeConverter(), folderHandle, prefix](
                               const std::string& fullPath) mutable -> std::optional<ItemDetails> {
      const bool inFolder = folderHandle->get() >= 0 && fullPath.starts_with(prefix) &&
                            fullPath.find('/', prefix.size()) == std::string::npos;
      const std::optional<NameStatus> status =
          inFolder ? statusOf(folderHandle->get(), fullPath.c_str() + prefix.size())
                   : statusOf(AT_FDCWD, fullPath.c_str());
      if (!status) {
        return std::nullopt;
      }
      return detailsOf(*status, times);
    };
    return contents;
  }
};

}  // namespace

std::unique_ptr<FolderEnumerator> makeFolderEnumerator() {
  return std::make_unique<PosixFolderEnumerator>();
}

}  // namespace vorlent
