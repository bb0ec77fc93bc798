// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/FileNameMatcher.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

// Windows file systems compare names without regard to case themselves; the search only tells
// how the name is spelled on the disk.
class Win32FileNameMatcher final : public FileNameMatcher {
 public:
  std::optional<std::string> existingFile(std::string_view path) const override {
    if (path.empty() || path.find_first_of("*?") != std::string_view::npos) {
      return std::nullopt;
    }
    WIN32_FIND_DATAA found{};
    const win32::FindHandle search(::FindFirstFileA(win32::ansi(path).c_str(), &found));
    if (!search.valid() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return std::nullopt;
    }
    const std::size_t nameStart = path.find_last_of("\\/:") + 1;
    return std::string(path.substr(0, nameStart)) + win32::fromAnsi(found.cFileName);
  }
};

}  // namespace

std::unique_ptr<FileNameMatcher> makeFileNameMatcher() {
  return std::make_unique<Win32FileNameMatcher>();
}

}  // namespace vorlent
