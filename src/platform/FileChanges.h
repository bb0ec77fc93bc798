// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace vorlent {

// The small changes of the file operations: folders, renames, and a file's size.
class FileChanges {
 public:
  virtual ~FileChanges() = default;

  // Creates the folder and every missing folder above it; false when it could not be created
  // (an existing folder is no success).
  virtual bool createFolders(std::string_view path) = 0;

  // Renames or moves; a relative path is taken from the current folder. False when it fails.
  virtual bool rename(std::string_view from, std::string_view to) = 0;

  // The size in bytes of a file; nothing when it cannot be read.
  virtual std::optional<std::uint64_t> fileSize(std::string_view path) const = 0;
};

std::unique_ptr<FileChanges> makeFileChanges();

}  // namespace vorlent
