// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/TrustedFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

std::vector<std::string> partsOf(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    if (slash > start) parts.emplace_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

FolderDistrust distrustOf(const struct stat& status) {
  if (S_ISLNK(status.st_mode)) return FolderDistrust::Link;
  if (!S_ISDIR(status.st_mode)) return FolderDistrust::NotAFolder;
  if (status.st_uid != ::getuid() && status.st_uid != 0) return FolderDistrust::OtherOwner;
  const bool openToOthers = (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
  if (openToOthers && (status.st_mode & S_ISVTX) == 0) return FolderDistrust::OpenToOthers;
  return FolderDistrust::None;
}

TrustedFolder distrusted(std::string path, FolderDistrust why, int errorCode = 0) {
  return TrustedFolder{std::move(path), why, errorCode};
}

}  // namespace

TrustedFolder trustedFolder(const std::string& base, std::string_view tail) {
  if (base.empty() || base.front() != '/') {
    return distrusted(base, FolderDistrust::CannotMake, EINVAL);
  }
  // The part of the base that exists has its links resolved; the rest is made here.
  std::string existing = withoutTrailingSlashes(base);
  std::vector<std::string> toMake = partsOf(tail);
  struct stat status {};
  while (existing != "/" && ::lstat(existing.c_str(), &status) != 0 && errno == ENOENT) {
    const std::string parent = parentFolderOf(existing);
    toMake.insert(toMake.begin(), existing.substr(parent.size() + (parent == "/" ? 0 : 1)));
    existing = parent;
  }
  const std::optional<std::string> resolved = realPath(existing);
  if (!resolved) return distrusted(existing, FolderDistrust::CannotMake, errno);

  std::string path = "/";
  const auto check = [&path](bool mayMake) -> std::optional<TrustedFolder> {
    struct stat info {};
    if (mayMake && ::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
      return distrusted(path, FolderDistrust::CannotMake, errno);
    }
    if (::lstat(path.c_str(), &info) != 0) {
      return distrusted(path, FolderDistrust::CannotMake, errno);
    }
    if (const FolderDistrust why = distrustOf(info); why != FolderDistrust::None) {
      return distrusted(path, why);
    }
    return std::nullopt;
  };
  if (auto failed = check(false)) return *failed;
  for (const std::string& part : partsOf(*resolved)) {
    path += (path == "/" ? "" : "/") + part;
    if (auto failed = check(false)) return *failed;
  }
  for (const std::string& part : toMake) {
    path += (path == "/" ? "" : "/") + part;
    if (auto failed = check(true)) return *failed;
  }
  struct stat own {};
  if (::lstat(path.c_str(), &own) != 0) return distrusted(path, FolderDistrust::CannotMake, errno);
  if (own.st_uid != ::getuid()) return distrusted(path, FolderDistrust::OtherOwner);
  if ((own.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return distrusted(path, FolderDistrust::OpenToOthers);
  }
  return TrustedFolder{path, FolderDistrust::None, 0};
}

}  // namespace vorlent
