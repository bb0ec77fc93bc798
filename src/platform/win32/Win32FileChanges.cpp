// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/FileChanges.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

bool isDelimiter(char c) { return c == '\\' || c == '/'; }

// Where the levels below the root begin: after "C:\" or after "\\server\share\".
std::size_t firstLevelStart(std::string_view path) {
  if (path.size() >= 2 && isDelimiter(path[0]) && isDelimiter(path[1])) {
    std::size_t at = path.find_first_of("\\/", 2);
    at = at == std::string_view::npos ? at : path.find_first_of("\\/", at + 1);
    return at == std::string_view::npos ? path.size() : at + 1;
  }
  if (path.size() >= 2 && path[1] == ':') {
    return path.size() >= 3 && isDelimiter(path[2]) ? 3 : 2;
  }
  return isDelimiter(path.front()) ? 1 : 0;
}

class Win32FileChanges final : public FileChanges {
 public:
  // Every level from the top down with CreateDirectoryA; levels that are folders already are
  // passed. The path is split before it is converted, as "\" can be a Shift-JIS second byte.
  bool createFolders(std::string_view path) override {
    if (path.empty()) {
      return false;
    }
    for (std::size_t at = path.find_first_of("\\/", firstLevelStart(path));
         at != std::string_view::npos; at = path.find_first_of("\\/", at + 1)) {
      const std::string level = win32::ansi(path.substr(0, at));
      if (::CreateDirectoryA(level.c_str(), nullptr) == 0 &&
          ::GetLastError() != ERROR_ALREADY_EXISTS) {
        return false;
      }
    }
    return ::CreateDirectoryA(win32::ansi(path).c_str(), nullptr) != 0;
  }

  // MoveFileA never replaces an existing name.
  bool rename(std::string_view from, std::string_view to) override {
    return !from.empty() && !to.empty() &&
           ::MoveFileA(win32::ansi(from).c_str(), win32::ansi(to).c_str()) != 0;
  }

  std::optional<std::uint64_t> fileSize(std::string_view path) const override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() ||
        ::GetFileAttributesExA(win32::ansi(path).c_str(), GetFileExInfoStandard, &data) == 0 ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return std::nullopt;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
};

}  // namespace

std::unique_ptr<FileChanges> makeFileChanges() { return std::make_unique<Win32FileChanges>(); }

}  // namespace vorlent
