// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/FolderEnumerator.h"
#include "platform/PathParts.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"

namespace vorlent {

namespace {

LocalTime localTimeOf(const FILETIME& universal) {
  FILETIME local{};
  SYSTEMTIME parts{};
  if (::FileTimeToLocalFileTime(&universal, &local) == 0 ||
      ::FileTimeToSystemTime(&local, &parts) == 0) {
    return {};
  }
  return {parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute};
}

std::optional<std::string> fullPathOf(const std::string& path) {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) {
      return std::nullopt;
    }
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(length);
  }
}

FolderItem itemOf(const WIN32_FIND_DATAA& found) {
  FolderItem item;
  item.name = win32::fromAnsi(found.cFileName);
  item.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  item.details = ItemDetails{
      item.isFolder ? 0
                    : (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
      localTimeOf(found.ftLastWriteTime)};
  return item;
}

// FindFirstFileA and FindNextFileA over "<folder>\*". They deliver ".." except in a drive's
// root, and the size and time with each name, so no name needs a query of its own.
class Win32FolderEnumerator final : public FolderEnumerator {
 public:
  std::optional<FolderContents> enumerate(std::string_view folder) override {
    if (folder.empty()) {
      return std::nullopt;
    }
    const std::optional<std::string> full = fullPathOf(win32::ansi(folder));
    if (!full) {
      return std::nullopt;
    }
    const DWORD attributes = ::GetFileAttributesA(full->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
      return std::nullopt;
    }
    FolderContents contents;
    contents.folderPath = win32::fromAnsi(*full);
    const std::string pattern = win32::ansi(joinPath(contents.folderPath, "*", PathStyle::Windows));
    WIN32_FIND_DATAA found{};
    const win32::FindHandle search(::FindFirstFileA(pattern.c_str(), &found));
    if (!search.valid()) {
      return ::GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional(contents) : std::nullopt;
    }
    do {
      if (std::string_view(found.cFileName) != ".") {
        contents.items.push_back(itemOf(found));
      }
    } while (::FindNextFileA(search.get(), &found) != 0);
    if (::GetLastError() != ERROR_NO_MORE_FILES) {
      return std::nullopt;
    }
    return contents;
  }
};

}  // namespace

std::unique_ptr<FolderEnumerator> makeFolderEnumerator() {
  return std::make_unique<Win32FolderEnumerator>();
}

}  // namespace vorlent
