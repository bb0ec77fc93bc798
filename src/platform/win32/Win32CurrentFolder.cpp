// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/CurrentFolder.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

class Win32CurrentFolder final : public CurrentFolder {
 public:
  std::string get() const override {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
      const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
      if (length == 0) {
        return {};
      }
      if (length < buffer.size()) {
        buffer.resize(length);
        return win32::fromAnsi(buffer);
      }
      // Too small: the length asked for counts the terminating NUL.
      buffer.resize(length);
    }
  }

  bool set(std::string_view folder) override {
    return !folder.empty() && ::SetCurrentDirectoryA(win32::ansi(folder).c_str()) != 0;
  }
};

}  // namespace

std::unique_ptr<CurrentFolder> makeCurrentFolder() {
  return std::make_unique<Win32CurrentFolder>();
}

}  // namespace vorlent
