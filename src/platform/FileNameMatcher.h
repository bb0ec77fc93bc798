// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// Finds a file as a Windows file system does, where the letter case of a name does not matter.
class FileNameMatcher {
 public:
  virtual ~FileNameMatcher() = default;

  // The path of the existing file (not a folder) that the path names, its last component
  // compared without regard to ASCII letter case and spelled as stored; a name that matches
  // exactly wins. Nothing when no such file is there.
  virtual std::optional<std::string> existingFile(std::string_view path) const = 0;
};

std::unique_ptr<FileNameMatcher> makeFileNameMatcher();

}  // namespace vorlent
