// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNameMatcher.h"
#include "platform/PathParts.h"
#include "platform/posix/PosixProgramLookup.h"

namespace vorlent {

namespace {

class PosixFileNameMatcher final : public FileNameMatcher {
 public:
  std::optional<std::string> existingFile(std::string_view path) const override {
    const auto slash = path.find_last_of('/');
    if (slash == std::string_view::npos) {
      return matchFileIgnoringCase("", path);
    }
    const std::string_view folder = slash == 0 ? std::string_view("/") : path.substr(0, slash);
    return matchFileIgnoringCase(folder, path.substr(slash + 1));
  }
};

}  // namespace

std::unique_ptr<FileNameMatcher> makeFileNameMatcher() {
  return std::make_unique<PosixFileNameMatcher>();
}

}  // namespace vorlent
