// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32DosBoxStaging.h"

#include <string_view>
#include <vector>

#include "platform/win32/CodePage.h"
#include "platform/win32/Environment.h"

namespace vorlent::win32 {

namespace {

constexpr std::wstring_view kStagingPrefix = L"run-";
constexpr std::wstring_view kLockName = L"lock";

std::wstring wide(std::string_view utf8) { return wideFromCodePage(utf8, CP_UTF8); }

// The user's local application data, or the temporary folder where the environment names none
// (a program started with an emptied environment).
std::wstring localApplicationData() {
  if (const std::string value = environmentVariable(L"LOCALAPPDATA"); !value.empty()) {
    return wide(value);
  }
  wchar_t temporary[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, temporary);
  std::wstring value(temporary, length);
  while (!value.empty() && value.back() == L'\\') {
    value.pop_back();
  }
  return value;
}

bool isFolder(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

bool makeFolder(const std::wstring& path) {
  return (::CreateDirectoryW(path.c_str(), nullptr) != 0 ||
          ::GetLastError() == ERROR_ALREADY_EXISTS) &&
         isFolder(path);
}

// Removes one entry of a staging folder: the link or copy itself, never what a link leads to. A
// folder (the staging never makes one) goes only when it is empty. A read-only file that is the
// only name of its data is a copy of the staging's own.
void removeEntry(const std::wstring& path, DWORD attributes) {
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    ::RemoveDirectoryW(path.c_str());
    return;
  }
  if (::DeleteFileW(path.c_str()) != 0 || (attributes & FILE_ATTRIBUTE_READONLY) == 0 ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return;
  }
  BY_HANDLE_FILE_INFORMATION information{};
  const Handle file(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (file.valid() && ::GetFileInformationByHandle(file.get(), &information) != 0 &&
      information.nNumberOfLinks == 1) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
  }
}

// Removes a staging folder whose lock nobody holds; one whose lock is held stays as it is.
void removeStaging(const std::wstring& folder) {
  const std::wstring lock = folder + L"\\" + std::wstring(kLockName);
  if (::DeleteFileW(lock.c_str()) == 0 && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
    return;
  }
  WIN32_FIND_DATAW found{};
  const FindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (search.valid()) {
    do {
      const std::wstring_view name = found.cFileName;
      if (name != L"." && name != L"..") {
        removeEntry(folder + L"\\" + std::wstring(name), found.dwFileAttributes);
      }
    } while (::FindNextFileW(search.get(), &found) != 0);
  }
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::optional<std::string> dosBoxStagingRoot() {
  const std::wstring data = localApplicationData();
  if (data.empty()) {
    return std::nullopt;
  }
  const std::wstring vorlent = data + L"\\Vorlent";
  const std::wstring root = vorlent + L"\\DOSBox";
  if (!makeFolder(vorlent) || !makeFolder(root)) {
    return std::nullopt;
  }
  return codePageFromWide(root, CP_UTF8);
}

void removeEndedStagings(const std::string& root) {
  const std::wstring wideRoot = wide(root);
  WIN32_FIND_DATAW found{};
  const FindHandle search(
      ::FindFirstFileW((wideRoot + L"\\" + std::wstring(kStagingPrefix) + L"*").c_str(), &found));
  if (!search.valid()) {
    return;
  }
  std::vector<std::wstring> folders;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
        (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
      folders.push_back(wideRoot + L"\\" + found.cFileName);
    }
  } while (::FindNextFileW(search.get(), &found) != 0);
  for (const std::wstring& folder : folders) {
    removeStaging(folder);
  }
}

DosBoxStaging::DosBoxStaging(const std::string& root) {
  removeEndedStagings(root);
  const std::wstring wideRoot = wide(root);
  std::wstring folder;
  for (unsigned attempt = 0;; ++attempt) {
    wchar_t suffix[32] = {};
    ::swprintf(suffix, 32, L"%08lx%04x", ::GetCurrentProcessId(),
               static_cast<unsigned>((::GetTickCount64() + attempt) & 0xFFFF));
    folder = wideRoot + L"\\" + std::wstring(kStagingPrefix) + suffix;
    if (::CreateDirectoryW(folder.c_str(), nullptr) != 0) {
      break;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS || attempt == 0xFFFF) {
      errorCode_ = static_cast<int>(::GetLastError());
      return;
    }
  }
  folder_ = codePageFromWide(folder, CP_UTF8);
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  lock_ = Handle(::CreateFileW((folder + L"\\" + std::wstring(kLockName)).c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!lock_.valid()) {
    errorCode_ = static_cast<int>(::GetLastError());
  }
}

DosBoxStaging::~DosBoxStaging() {
  lock_.close();
  if (!folder_.empty()) {
    removeStaging(wide(folder_));
  }
}

bool DosBoxStaging::place(const std::string& dosName, const std::string& hostPath) {
  const std::wstring link = wide(folder_) + L"\\" + wide(dosName);
  const std::wstring target = wide(hostPath);
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) == 0 &&
      ::CreateHardLinkW(link.c_str(), target.c_str(), nullptr) != 0) {
    return true;
  }
  if (::CreateSymbolicLinkW(link.c_str(), target.c_str(),
                            SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0) {
    return true;
  }
  if (::CopyFileW(target.c_str(), link.c_str(), TRUE) != 0 &&
      ::SetFileAttributesW(link.c_str(), FILE_ATTRIBUTE_READONLY) != 0) {
    return true;
  }
  errorCode_ = static_cast<int>(::GetLastError());
  return false;
}

}  // namespace vorlent::win32
