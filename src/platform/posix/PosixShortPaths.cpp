// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/PathParts.h"
#include "platform/ShortPaths.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixShortPaths.h"
#include "platform/posix/PosixUserFolders.h"

namespace vorlent {

namespace {

// How many differing targets may share one hash before the alias is given up.
constexpr int kAliasAttempts = 8;

std::string hashText(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
  return digits;
}

const char* distrustReason(FolderDistrust distrust) {
  switch (distrust) {
    case FolderDistrust::Link:
      return "is a symbolic link";
    case FolderDistrust::NotAFolder:
      return "is no folder";
    case FolderDistrust::OtherOwner:
      return "belongs to another user";
    case FolderDistrust::OpenToOthers:
      return "is writable by other users";
    case FolderDistrust::TooLong:
      return "has too long a path";
    case FolderDistrust::CannotMake:
    case FolderDistrust::None:
      break;
  }
  return "cannot be made";
}

// A link named from the stem that points to the target: the one already there, or a new one.
// A stem taken by another target (a hash collision) gets a numbered suffix.
std::optional<std::string> aliasLink(const std::string& folder, const std::string& stem,
                                     const std::string& extension, const std::string& target) {
  for (int attempt = 0; attempt < kAliasAttempts; ++attempt) {
    const std::string suffix = attempt == 0 ? std::string() : "-" + std::to_string(attempt);
    const std::string link = folder + "/" + stem + suffix + extension;
    if (::symlink(target.c_str(), link.c_str()) == 0) {
      return link;
    }
    if (errno != EEXIST) {
      return std::nullopt;
    }
    if (readLink(link) == target) {
      return link;
    }
  }
  return std::nullopt;
}

// The file's own name with each byte that a command line split at blanks cannot carry made "_".
std::string carriedName(std::string_view name) {
  std::string carried(name);
  for (char& c : carried) {
    if (holdsBlankOrControl(std::string_view(&c, 1))) {
      c = '_';
    }
  }
  return carried;
}

// A link named `name` to the target, in a folder of its own named from the stem: the one already
// there, or a new one. A stem taken by another target (a hash collision) gets a numbered suffix.
std::optional<std::string> aliasInOwnFolder(const std::string& folder, const std::string& stem,
                                            const std::string& name, const std::string& target) {
  for (int attempt = 0; attempt < kAliasAttempts; ++attempt) {
    const std::string suffix = attempt == 0 ? std::string() : "-" + std::to_string(attempt);
    const std::string own = folder + "/" + stem + suffix;
    struct stat info {};
    if ((::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) || ::lstat(own.c_str(), &info) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
      continue;
    }
    const std::string link = own + "/" + name;
    if (::symlink(target.c_str(), link.c_str()) == 0 || readLink(link) == target) {
      return link;
    }
  }
  return std::nullopt;
}

// The alias folder that a path lies in, by the names the alias folders end with.
std::optional<std::string> aliasRootOf(std::string_view path) {
  for (const std::string& ending :
       {std::string("/vorlent/short/"), "/vorlent-" + std::to_string(::getuid()) + "/short/"}) {
    const std::size_t at = path.find(ending);
    if (at != std::string_view::npos) {
      return std::string(path.substr(0, at + ending.size() - 1));
    }
  }
  return std::nullopt;
}

// An absolute path without blanks or control characters is its own short form. Any other is
// reached through a link in the user's alias folder, named from a hash of what it points to,
// so the same file gets the same short form in every session: a link to the file's folder
// when the file name itself is blank-free (the name, which the emulators' command lines begin
// with, stays as it is), otherwise a link in a folder of its own that keeps the file's name,
// each blank made "_", so that what shows the name shows the file's own.
class PosixShortPaths final : public ShortPaths {
 public:
  std::optional<std::string> shortForm(std::string_view fullPath) override {
    struct stat info {};
    const std::string path(fullPath);
    if (path.empty() || path.front() != '/' || ::stat(path.c_str(), &info) != 0) {
      return std::nullopt;
    }
    if (!holdsBlankOrControl(path)) {
      return path;
    }
    const TrustedFolder aliases = aliasFolder();
    if (!aliases.trusted()) {
      std::fprintf(stderr, "vorlent: no blank-free alias of %s: the folder %s %s\n", path.c_str(),
                   aliases.path.c_str(), distrustReason(aliases.distrust));
      return std::nullopt;
    }
    const std::string name = fileNamePart(path, PathStyle::Posix);
    if (!name.empty() && !holdsBlankOrControl(name)) {
      const std::string parent = folderPart(path, PathStyle::Posix);
      const auto link = aliasLink(aliases.path, "d" + hashText(parent), "", parent);
      return link ? std::optional<std::string>(*link + "/" + name) : std::nullopt;
    }
    return aliasInOwnFolder(aliases.path, "n" + hashText(path), carriedName(name), path);
  }
};

}  // namespace

std::optional<TrustedFolder> distrustedAliasFolder(std::string_view path) {
  const std::optional<std::string> root = aliasRootOf(path);
  if (!root) {
    return std::nullopt;
  }
  // The alias's own folder is checked with the alias folder; a link there is the alias itself.
  std::string folder = *root;
  const std::string_view rest = path.substr(root->size() + 1);
  if (const std::size_t slash = rest.find('/'); slash != std::string_view::npos) {
    const std::string own = *root + "/" + std::string(rest.substr(0, slash));
    struct stat info {};
    if (::lstat(own.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      folder = own;
    }
  }
  // A folder that is not there leads nowhere, and nothing is made for it.
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) {
    return std::nullopt;
  }
  TrustedFolder trust = trustedFolder("/", std::string_view(folder).substr(1));
  if (trust.trusted()) {
    return std::nullopt;
  }
  return trust;
}

std::unique_ptr<ShortPaths> makeShortPaths() { return std::make_unique<PosixShortPaths>(); }

}  // namespace vorlent
