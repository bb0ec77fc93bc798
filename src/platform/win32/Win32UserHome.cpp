// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/UserHome.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

std::optional<std::string> userHomeFolder() {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = ::GetEnvironmentVariableW(L"USERPROFILE", buffer, MAX_PATH * 2);
  if (length == 0 || length >= MAX_PATH * 2) {
    return std::nullopt;
  }
  return win32::codePageFromWide(std::wstring_view(buffer, length), CP_UTF8);
}

}  // namespace vorlent
