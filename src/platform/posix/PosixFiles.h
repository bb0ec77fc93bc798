// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dirent.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/FileDescriptor.h"

namespace vorlent {

// An open folder whose entries are read one by one; closed on every way out.
class Directory {
 public:
  explicit Directory(const std::string& path);
  // Takes over an open folder's descriptor; it is closed even when it cannot be read.
  explicit Directory(FileDescriptor folder);

  bool isOpen() const { return handle_ != nullptr; }
  int descriptor() const;

  // The next entry; nothing at the end or on a failure, which leaves errno set.
  const dirent* next();

 private:
  struct Closer {
    void operator()(DIR* handle) const;
  };
  std::unique_ptr<DIR, Closer> handle_;
};

// Every name in the folder but "." and ".."; none when it cannot be read.
std::vector<std::string> namesIn(const std::string& folder);

// The absolute path with every link, "." and ".." resolved; nothing, with errno set, when a
// part is missing.
std::optional<std::string> realPath(const std::string& path);

// What a symbolic link holds, however long; nothing, with errno set, when the name is no link
// or cannot be read.
std::optional<std::string> readLink(const std::string& path);

// The path without its trailing slashes; "/" stays.
std::string withoutTrailingSlashes(std::string_view path);

// The folder that holds the path's last part; "." for a bare name.
std::string parentFolderOf(std::string_view path);

}  // namespace vorlent
