// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace vorlent {

// Asks the desktop to open a file or folder with its own program (the file manager for a
// folder). Returns at once; whether the desktop managed is not reported.
class DesktopOpener {
 public:
  virtual ~DesktopOpener() = default;

  virtual void open(std::string_view path, std::string_view workingFolder) = 0;

  // Opens a web or mail address with the user's program for it, in no working folder.
  virtual void openAddress(std::string_view address) { open(address, {}); }

  // The native handle of the window that owns what the desktop shows, asked at each request;
  // without one the requests have no owner.
  virtual void setOwnerWindow(std::function<std::uintptr_t()> ownerWindow) {
    static_cast<void>(ownerWindow);
  }
};

std::unique_ptr<DesktopOpener> makeDesktopOpener();

}  // namespace vorlent
