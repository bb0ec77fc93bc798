// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32DosBox.h"

#include <windows.h>

#include <algorithm>

#include "platform/DosMountPlan.h"
#include "platform/PathParts.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Environment.h"
#include "platform/win32/Handle.h"

namespace vorlent::win32 {

namespace {

bool isFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(ansi(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> dosBoxInFolder(std::string_view folder) {
  if (folder.empty()) {
    return std::nullopt;
  }
  for (const std::string& name : dosBoxNames()) {
    const std::string path = joinPath(folder, name, PathStyle::Windows);
    if (isFile(path)) {
      return path;
    }
  }
  return std::nullopt;
}

std::vector<std::string> dosBoxFolders(const std::string& root) {
  std::vector<std::string> folders;
  WIN32_FIND_DATAA found{};
  const FindHandle search(
      ::FindFirstFileA(ansi(joinPath(root, "DOSBox*", PathStyle::Windows)).c_str(), &found));
  if (!search.valid()) {
    return folders;
  }
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      folders.push_back(joinPath(root, fromAnsi(found.cFileName), PathStyle::Windows));
    }
  } while (::FindNextFileA(search.get(), &found) != 0);
  std::sort(folders.rbegin(), folders.rend());
  return folders;
}

// The 8.3 form of an existing path; the path itself where the volume keeps no short names.
std::string shortPathOf(const std::string& path) {
  const std::wstring wide = wideFromCodePage(path, CP_UTF8);
  const DWORD needed = ::GetShortPathNameW(wide.c_str(), nullptr, 0);
  if (needed == 0) {
    return path;
  }
  std::wstring shortPath(needed, L'\0');
  const DWORD length = ::GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) {
    return path;
  }
  shortPath.resize(length);
  return codePageFromWide(shortPath, CP_UTF8);
}

bool isDosBoxProgram(const std::string& path) {
  const std::string name = asciiLower(fileNamePart(path, PathStyle::Windows));
  const auto& names = dosBoxNames();
  return std::find(names.begin(), names.end(), name) != names.end() && isFile(path);
}

std::optional<std::string> dosBoxAt(const std::string& place) {
  return isDosBoxProgram(place) ? std::optional<std::string>(place) : dosBoxInFolder(place);
}

// A registry text value in UTF-8; nothing when it is missing or no text.
std::optional<std::string> registryText(HKEY root, const std::wstring& key, const wchar_t* value,
                                        REGSAM view) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(1024, L'\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  const LSTATUS status = ::RegQueryValueExW(opened, value, nullptr, &type,
                                            reinterpret_cast<BYTE*>(text.data()), &size);
  ::RegCloseKey(opened);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  text.resize(size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') {
    text.pop_back();
  }
  if (type == REG_EXPAND_SZ) {
    wchar_t expanded[MAX_PATH * 2] = {};
    const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), expanded, MAX_PATH * 2);
    if (length == 0 || length > MAX_PATH * 2) {
      return std::nullopt;
    }
    text = expanded;
  }
  return codePageFromWide(text, CP_UTF8);
}

std::vector<std::wstring> subkeysOf(HKEY root, const std::wstring& key, REGSAM view) {
  std::vector<std::wstring> names;
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &opened) !=
      ERROR_SUCCESS) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[256] = {};
    DWORD length = 256;
    const LSTATUS status =
        ::RegEnumKeyExW(opened, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) {
      continue;
    }
    if (status != ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, length);
  }
  ::RegCloseKey(opened);
  return names;
}

// A recorded program path without its quotes and a trailing ",icon index".
std::string recordedPath(std::string text) {
  if (!text.empty() && text.front() == '"') {
    const std::size_t end = text.find('"', 1);
    return text.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  const std::size_t comma = text.rfind(',');
  if (comma != std::string::npos && text.find('\\', comma) == std::string::npos) {
    text.resize(comma);
  }
  return text;
}

// An argument names a host file when it is a full path with a drive to an existing file.
std::optional<std::string> hostFileOf(std::string_view argument) {
  const bool hasDrive = argument.size() > 3 && argument[1] == ':' && argument[2] == '\\';
  if (!hasDrive || !isFile(std::string(argument))) {
    return std::nullopt;
  }
  return std::string(argument);
}

// The program folder's dosbox.conf (the file system matches any case): nothing without one, a
// refused word when it is no regular file.
void addConfiguration(std::string_view programPath, DosMountPlan& plan) {
  const std::string path = joinPath(folderPart(programPath, PathStyle::Windows),
                                    kDosBoxConfigurationName, PathStyle::Windows);
  const DWORD attributes = ::GetFileAttributesA(ansi(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return;
  }
  if (!isFile(path) || (attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
    plan.run.refusedWord = path;
    return;
  }
  plan.configuration = path;
}

}  // namespace

const std::vector<std::string>& dosBoxNames() {
  static const std::vector<std::string> names = {"dosbox.exe", "dosbox-x.exe"};
  return names;
}

std::optional<std::string> findDosBoxIn(std::string_view searchPath,
                                        const std::vector<std::string>& installRoots,
                                        const std::vector<std::string>& recordedPlaces) {
  for (std::size_t start = 0; start <= searchPath.size();) {
    const std::size_t end = std::min(searchPath.find(';', start), searchPath.size());
    if (auto found = dosBoxInFolder(searchPath.substr(start, end - start))) {
      return found;
    }
    start = end + 1;
  }
  for (const std::string& place : recordedPlaces) {
    if (auto found = dosBoxAt(place)) {
      return found;
    }
  }
  for (const std::string& root : installRoots) {
    for (const std::string& folder : dosBoxFolders(root)) {
      if (auto found = dosBoxInFolder(folder)) {
        return found;
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> findDosBox() {
  std::vector<std::string> roots;
  for (const wchar_t* variable : {L"ProgramFiles", L"ProgramFiles(x86)"}) {
    const std::string root = environmentVariable(variable);
    if (!root.empty() && std::find(roots.begin(), roots.end(), root) == roots.end()) {
      roots.push_back(root);
    }
  }
  return findDosBoxIn(environmentVariable(L"PATH"), roots, recordedDosBoxPlaces());
}

std::vector<std::string> recordedDosBoxPlaces() {
  const std::wstring appPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  const std::wstring uninstall = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  std::vector<std::string> places;
  const auto add = [&places](std::optional<std::string> place) {
    if (place && !place->empty() &&
        std::find(places.begin(), places.end(), *place) == places.end()) {
      places.push_back(std::move(*place));
    }
  };
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      for (const std::string& name : dosBoxNames()) {
        const std::wstring wideName = wideFromCodePage(name, CP_UTF8);
        if (auto program = registryText(root, appPaths + wideName, nullptr, view)) {
          add(recordedPath(*program));
        }
      }
    }
  }
  for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      for (const std::wstring& entry : subkeysOf(root, uninstall, view)) {
        const std::wstring key = uninstall + L"\\" + entry;
        const std::optional<std::string> shown = registryText(root, key, L"DisplayName", view);
        if (!shown || asciiLower(shown->substr(0, 6)) != "dosbox") {
          continue;
        }
        add(registryText(root, key, L"InstallLocation", view));
        for (const wchar_t* value : {L"DisplayIcon", L"UninstallString"}) {
          if (auto program = registryText(root, key, value, view)) {
            add(folderPart(recordedPath(*program), PathStyle::Windows));
          }
        }
      }
    }
  }
  return places;
}

std::optional<std::string> mountableFolder(const std::string& folder) {
  if (mountsByItsPath(folder, ansi)) {
    return folder;
  }
  const std::string shortFolder = shortPathOf(folder);
  if (mountsByItsPath(shortFolder, ansi)) {
    return shortFolder;
  }
  return std::nullopt;
}

DosMountPlan dosMountPlanFor(std::string_view programPath,
                             const std::vector<std::string>& arguments) {
  // The program's folder is the one drive that cannot be staged.
  std::string program(programPath);
  if (const std::optional<std::string> folder =
          mountableFolder(folderPart(program, PathStyle::Windows))) {
    program = joinPath(*folder, fileNamePart(program, PathStyle::Windows), PathStyle::Windows);
  }
  DosMountPlan plan = planDosMounts(program, arguments, hostFileOf, ansi);
  if (!plan.run.refusedWord) {
    addConfiguration(programPath, plan);
  }
  return plan;
}

}  // namespace vorlent::win32
