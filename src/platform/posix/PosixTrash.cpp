#include "platform/posix/PosixTrash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/Failure.h"
#include "platform/PathParts.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/FittingNames.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixUserFolders.h"

namespace vorlent {

namespace {

bool makeFolder(const std::string& path) {
  return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

std::optional<dev_t> deviceOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return info.st_dev;
}

// A trash folder with its files/ and info/ below it, made when missing.
bool prepareTrash(const std::string& trash) {
  return makeFolder(trash) && makeFolder(trash + "/files") && makeFolder(trash + "/info");
}

bool prepareHomeTrash(const std::string& trash) {
  // $XDG_DATA_HOME may not exist yet on a fresh account.
  const std::string parent = parentFolderOf(trash);
  for (std::size_t slash = parent.find('/', 1); slash != std::string::npos;
       slash = parent.find('/', slash + 1)) {
    makeFolder(parent.substr(0, slash));
  }
  makeFolder(parent);
  return prepareTrash(trash);
}

// A trash folder of this user's that no one else can reach into: made when missing, and then a
// real folder (no link) that belongs to the user and is closed to others.
bool isPrivateTrash(const std::string& trash) {
  struct stat info {};
  return makeFolder(trash) && ::lstat(trash.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// The administrators' shared trash: a real folder, no link, with the sticky bit, so that no
// user can remove or swap another's folder in it.
bool isSharedTrash(const std::string& trash) {
  struct stat info {};
  return ::lstat(trash.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         (info.st_mode & S_ISVTX) != 0;
}

// The top folder of the file system that holds the folder.
std::string topFolderOf(const std::string& folder, dev_t device) {
  const std::optional<std::string> resolved = realPath(folder);
  if (!resolved) return "/";
  std::string current = *resolved;
  while (current != "/") {
    const std::string parent = parentFolderOf(current);
    if (deviceOf(parent) != device) break;
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

std::optional<TrashPlace> placeFor(const std::string& path, dev_t device) {
  const std::optional<std::string> home = homeTrashFolder();
  if (home && prepareHomeTrash(*home) && deviceOf(*home) == device) {
    return TrashPlace{*home, path};
  }
  const std::string top = topFolderOf(parentFolderOf(path), device);
  const std::string base = top == "/" ? "" : top;
  const std::string relative = path.substr(base.size() + 1);
  const std::string uid = std::to_string(::getuid());
  const std::string sharedTrash = base + "/.Trash";
  if (isSharedTrash(sharedTrash)) {
    const std::string own = sharedTrash + "/" + uid;
    if (isPrivateTrash(own) && prepareTrash(own) && deviceOf(own) == device) {
      return TrashPlace{own, relative};
    }
  }
  const std::string own = base + "/.Trash-" + uid;
  if (isPrivateTrash(own) && prepareTrash(own) && deviceOf(own) == device) {
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
  const std::optional<TrashPlace> place = placeFor(path, item.st_dev);
  if (!place) {
    return failureText(path, EXDEV);
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
    return {};
  }
  return failureText(path, EEXIST);
}

}  // namespace vorlent
