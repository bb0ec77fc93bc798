// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Environment.h"

#include <windows.h>

#include "platform/win32/CodePage.h"

namespace vorlent::win32 {

std::string environmentVariable(const wchar_t* name) {
  std::wstring value;
  // The size is asked again where the variable grew between the two calls.
  for (DWORD needed = ::GetEnvironmentVariableW(name, nullptr, 0); needed > value.size();) {
    value.resize(needed);
    const DWORD length = ::GetEnvironmentVariableW(name, value.data(), needed);
    if (length == 0) {
      return {};
    }
    if (length < needed) {
      value.resize(length);
      return codePageFromWide(value, CP_UTF8);
    }
    needed = length;
  }
  return {};
}

}  // namespace vorlent::win32
