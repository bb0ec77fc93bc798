// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/ShortPaths.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

class Win32ShortPaths final : public ShortPaths {
 public:
  std::optional<std::string> shortForm(std::string_view fullPath) override {
    if (fullPath.empty()) {
      return std::nullopt;
    }
    const std::string path = win32::ansi(fullPath);
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
      const DWORD length =
          ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
      if (length == 0) {
        return std::nullopt;
      }
      if (length < buffer.size()) {
        buffer.resize(length);
        break;
      }
      buffer.resize(length);
    }
    // A volume without 8.3 names gives the long name back; with a blank in it the path would
    // split on the emulator's command line, so it counts as having no short form.
    std::string shortPath = win32::fromAnsi(buffer);
    if (shortPath.find(' ') != std::string::npos) {
      return std::nullopt;
    }
    return shortPath;
  }
};

}  // namespace

std::unique_ptr<ShortPaths> makeShortPaths() { return std::make_unique<Win32ShortPaths>(); }

}  // namespace vorlent
