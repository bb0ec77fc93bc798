// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixTrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/Failure.h"
#include "platform/PathParts.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/FittingNames.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixUserFolders.h"

namespace vorlent {

namespace {

// The folders a move made on its way, removed again when nothing moved.
class MadeFolders {
 public:
  bool make(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) {
      made_.push_back(path);
      return true;
    }
    return errno == EEXIST;
  }
  void keep() { made_.clear(); }
  ~MadeFolders() {
    for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder) {
      ::rmdir(folder->c_str());
    }
  }

 private:
  std::vector<std::string> made_;
};

// Which mount a path is on: a bind mount of a file system is another place than the file
// system's first mount, and a rename between the two fails.
struct MountPlace {
  dev_t device = 0;
  std::uint64_t mount = 0;
  bool operator==(const MountPlace&) const = default;
};

std::optional<MountPlace> placeOf(const std::string& path, int flags = 0) {
  struct statx info {};
  if (::statx(AT_FDCWD, path.c_str(), flags, STATX_MNT_ID, &info) != 0) return std::nullopt;
  return MountPlace{makedev(info.stx_dev_major, info.stx_dev_minor),
                    (info.stx_mask & STATX_MNT_ID) != 0 ? info.stx_mnt_id : 0};
}

// The place of the path, or of its nearest folder that exists yet.
std::optional<MountPlace> placeOfNearest(std::string path) {
  for (;;) {
    if (auto place = placeOf(path)) return place;
    if (path == "/" || path.empty() || errno != ENOENT) return std::nullopt;
    path = parentFolderOf(path);
  }
}

// A trash folder of this user's that no one else can reach into: made when missing, and then a
// real folder (no link) that belongs to the user and is closed to others.
bool isPrivateTrash(const std::string& trash, MadeFolders& made) {
  struct stat info {};
  return made.make(trash) && ::lstat(trash.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// The trash folder and its files/ and info/, each a private one.
bool isPrivateTrashWithParts(const std::string& trash, MadeFolders& made) {
  return isPrivateTrash(trash, made) && isPrivateTrash(trash + "/files", made) &&
         isPrivateTrash(trash + "/info", made);
}

// The administrators' shared trash: a real folder, no link, with the sticky bit, so that no
// user can remove or swap another's folder in it.
bool isSharedTrash(const std::string& trash) {
  struct stat info {};
  return ::lstat(trash.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         (info.st_mode & S_ISVTX) != 0;
}

// The path with the links of its folders resolved, so that it starts at the top of its mount.
std::optional<std::string> locatedPath(const std::string& path) {
  const std::optional<std::string> folder = realPath(parentFolderOf(path));
  if (!folder) return std::nullopt;
  return (*folder == "/" ? "" : *folder) + "/" + fileNamePart(path, PathStyle::Posix);
}

// The top folder of the mount that holds the located path; the path itself for a mount point.
std::string topFolderOf(const std::string& located, const MountPlace& place) {
  std::string current = located;
  while (current != "/") {
    const std::string parent = parentFolderOf(current);
    if (placeOf(parent) != place) break;
    current = parent;
  }
  return current;
}

std::string localTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

struct TrashPlace {
  std::string folder;
  // The Path= of the info file: absolute in the home trash, relative to the top folder else.
  std::string infoPath;
};

// The home trash for an item on the home trash's own mount, else the trash at the top of the
// item's mount; nothing when the one that applies cannot be trusted.
std::optional<TrashPlace> placeFor(const std::string& path, const MountPlace& item,
                                   MadeFolders& made) {
  const std::optional<std::string> home = homeTrashFolder();
  if (home && placeOfNearest(*home) == item) {
    // The data folder may not exist yet on a fresh account.
    const std::string data = parentFolderOf(*home);
    for (std::size_t slash = data.find('/', 1); slash != std::string::npos;
         slash = data.find('/', slash + 1)) {
      made.make(data.substr(0, slash));
    }
    made.make(data);
    if (!isPrivateTrashWithParts(*home, made) || placeOf(*home) != item) return std::nullopt;
    return TrashPlace{*home, path};
  }
  const std::optional<std::string> located = locatedPath(path);
  if (!located) return std::nullopt;
  const std::string top = topFolderOf(*located, item);
  if (top == *located) {
    // The item is the top of its mount: no trash there can hold it.
    return std::nullopt;
  }
  const std::string base = top == "/" ? "" : top;
  const std::string relative = located->substr(base.size() + 1);
  const std::string uid = std::to_string(::getuid());
  const std::string sharedTrash = base + "/.Trash";
  if (isSharedTrash(sharedTrash)) {
    const std::string own = sharedTrash + "/" + uid;
    if (isPrivateTrashWithParts(own, made) && placeOf(own) == item) {
      return TrashPlace{own, relative};
    }
  }
  const std::string own = base + "/.Trash-" + uid;
  if (isPrivateTrashWithParts(own, made) && placeOf(own) == item) {
    return TrashPlace{own, relative};
  }
  return std::nullopt;
}

std::string failureText(const std::string& path, int code) {
  return path + " をごみ箱に移動できません: " + systemFailure(code).what();
}

}  // namespace

std::optional<std::string> homeTrashFolder() {
  const std::optional<std::string> data = userFolders().data;
  if (!data) return std::nullopt;
  return *data + "/Trash";
}

std::string trashInfoEscaped(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '_' || c == '.' ||
                       c == '~' || c == '/';
    if (plain) {
      escaped += c;
    } else {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 15];
    }
  }
  return escaped;
}

std::string moveToTrash(std::string_view pathText) {
  const std::string path = withoutTrailingSlashes(pathText);
  struct stat item {};
  if (path.empty() || path[0] != '/' || ::lstat(path.c_str(), &item) != 0) {
    return failureText(path, path.empty() || path[0] != '/' ? EINVAL : errno);
  }
  const std::optional<MountPlace> itemPlace = placeOf(path, AT_SYMLINK_NOFOLLOW);
  MadeFolders made;
  const std::optional<TrashPlace> place =
      itemPlace ? placeFor(path, *itemPlace, made) : std::nullopt;
  if (!place) {
    return path + " をごみ箱に移動できません: " + std::string(kNoTrustedTrash);
  }
  // The info file is made first, exclusively: it reserves the name in files/. The name there
  // need only be unique, so a long one is cut to leave room for the info file's extension; the
  // info file keeps the whole original path.
  static constexpr std::string_view kInfoExtension = ".trashinfo";
  const std::string name = fileNamePart(path, PathStyle::Posix);
  for (int number = 1; number < 10000; ++number) {
    const std::string mark = number == 1 ? "" : "." + std::to_string(number);
    const std::string trashName =
        nameCutToFit(name, kLongestName - kInfoExtension.size() - mark.size()) + mark;
    const std::string infoFile = place->folder + "/info/" + trashName + std::string(kInfoExtension);
    const std::string trashed = place->folder + "/files/" + trashName;
    FileDescriptor info(::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!info.isOpen()) {
      if (errno == EEXIST) continue;
      return failureText(path, errno);
    }
    struct stat taken {};
    if (::lstat(trashed.c_str(), &taken) == 0) {
      info.close();
      ::unlink(infoFile.c_str());
      continue;
    }
    const std::string text = "[Trash Info]\nPath=" + trashInfoEscaped(place->infoPath) +
                             "\nDeletionDate=" + localTimeStamp() + "\n";
    const bool written =
        ::write(info.get(), text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const int writeError = errno;
    if (info.close() != 0 || !written) {
      ::unlink(infoFile.c_str());
      return failureText(path, written ? errno : writeError);
    }
    if (::rename(path.c_str(), trashed.c_str()) != 0) {
      const int code = errno;
      ::unlink(infoFile.c_str());
      return failureText(path, code);
    }
    made.keep();
    return {};
  }
  return failureText(path, EEXIST);
}

}  // namespace vorlent
