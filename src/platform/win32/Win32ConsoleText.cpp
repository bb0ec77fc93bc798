// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "platform/ConsoleText.h"
#include "platform/Failure.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

std::optional<std::string> writeConsoleText(ConsoleStream stream, std::string_view utf8) {
  if (utf8.empty()) {
    return std::nullopt;
  }
  const HANDLE handle =
      ::GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    return systemFailure(ERROR_INVALID_HANDLE).what();
  }
  const std::wstring wide = win32::wideFromCodePage(utf8, CP_UTF8);
  DWORD mode = 0;
  if (::GetConsoleMode(handle, &mode) != 0) {
    DWORD written = 0;
    if (::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) ==
            0 ||
        written != wide.size()) {
      return systemFailure(static_cast<int>(::GetLastError())).what();
    }
    return std::nullopt;
  }
  // Without a console of its own, a program run with its output redirected writes in the
  // system's code page, which a console of this system reads.
  const UINT consoleCodePage = ::GetConsoleOutputCP();
  const std::string bytes =
      win32::codePageFromWide(wide, consoleCodePage != 0 ? consoleCodePage : CP_ACP);
  DWORD written = 0;
  if (::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) == 0 ||
      written != bytes.size()) {
    return systemFailure(static_cast<int>(::GetLastError())).what();
  }
  return std::nullopt;
}

}  // namespace vorlent
