// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/UserConfigFolder.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Environment.h"

namespace vorlent {

std::optional<std::string> userConfigFolder() {
  const std::string roaming = win32::environmentVariable(L"APPDATA");
  if (roaming.empty()) {
    return std::nullopt;
  }
  const std::string folder = win32::ansi(roaming + "\\Vorlent");
  if (::CreateDirectoryA(folder.c_str(), nullptr) == 0 &&
      ::GetLastError() != ERROR_ALREADY_EXISTS) {
    return std::nullopt;
  }
  const DWORD attributes = ::GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::nullopt;
  }
  return win32::fromAnsi(folder) + "\\";
}

}  // namespace vorlent
