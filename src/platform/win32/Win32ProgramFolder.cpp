// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/ProgramFolder.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

std::string programFolder() {
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return ".\\";
    }
    // A path that fills the buffer may have been cut off.
    if (length < buffer.size()) {
      buffer.resize(length);
      // Split after the conversion: a backslash byte can be the second byte of a Shift-JIS
      // character.
      const std::string path = win32::fromAnsi(buffer);
      return path.substr(0, path.find_last_of("\\/") + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace vorlent
