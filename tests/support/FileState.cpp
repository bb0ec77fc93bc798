// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace vorlent::testing {

namespace {

constexpr uid_t kNobody = 65534;

// The bytes themselves where they are few, else their count and a digest of them.
std::string bytesOf(const std::string& path) {
  constexpr std::size_t kShown = 64;
  const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return "(unreadable)";
  std::string shown;
  std::uint64_t count = 0;
  std::uint64_t digest = 14695981039346656037ull;  // 64-bit FNV-1a
  char piece[65536];
  for (ssize_t got = 0; (got = ::read(file, piece, sizeof piece)) > 0;) {
    for (ssize_t i = 0; i < got; ++i) {
      digest = (digest ^ static_cast<unsigned char>(piece[i])) * 1099511628211ull;
    }
    if (shown.size() < kShown) shown.append(piece, std::min<std::size_t>(std::size_t(got), kShown));
    count += static_cast<std::uint64_t>(got);
  }
  ::close(file);
  if (count <= kShown) return shown;
  return std::to_string(count) + " bytes, digest " + std::to_string(digest);
}

}  // namespace

std::string fileState(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return "missing";
  const std::string owner = " owner " + std::to_string(status.st_uid) + ":" +
                            std::to_string(status.st_gid) + " mode " +
                            std::to_string(status.st_mode & 07777);
  if (S_ISDIR(status.st_mode)) return "folder" + owner;
  if (S_ISLNK(status.st_mode)) {
    char target[4096];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    return "link " + std::string(target, length > 0 ? std::size_t(length) : 0) + owner;
  }
  if (S_ISREG(status.st_mode)) return "file" + owner + " bytes " + bytesOf(path);
  return "special" + owner;
}

bool giveToNobody(const std::string& path) { return ::lchown(path.c_str(), kNobody, kNobody) == 0; }

bool runningAsRoot() { return ::geteuid() == 0; }

}  // namespace vorlent::testing
