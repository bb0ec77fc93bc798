// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/FileChanges.h"
#include "platform/posix/RenameWithoutReplacing.h"

namespace vorlent {

namespace {

class PosixFileChanges final : public FileChanges {
 public:
  bool createFolders(std::string_view path) override {
    const std::string text(path);
    if (text.empty()) {
      return false;
    }
    // Every level from the top down; levels that exist already as folders are passed.
    for (std::size_t slash = text.find('/', 1); slash != std::string::npos;
         slash = text.find('/', slash + 1)) {
      const std::string level = text.substr(0, slash);
      if (::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) {
        return false;
      }
    }
    return ::mkdir(text.c_str(), 0777) == 0;
  }

  bool rename(std::string_view from, std::string_view to) override {
    const std::string source(from);
    const std::string target(to);
    if (source.empty() || target.empty()) {
      return false;
    }
    // Like the shell's own rename, never silently over an existing name.
    return renameWithoutReplacing(source, target);
  }

  std::optional<std::uint64_t> fileSize(std::string_view path) const override {
    struct stat info {};
    const std::string text(path);
    if (::stat(text.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
      return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
  }
};

}  // namespace

std::unique_ptr<FileChanges> makeFileChanges() { return std::make_unique<PosixFileChanges>(); }

}  // namespace vorlent
