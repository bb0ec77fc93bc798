// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32DesktopOpener.h"

// The shell's header needs the definitions of windows.h first.
#include <shellapi.h>

#include <string>
#include <utility>

#include "platform/win32/CodePage.h"

namespace vorlent {

namespace win32 {

namespace {

class ShellExecuteOpener final : public DesktopOpener {
 public:
  explicit ShellExecuteOpener(ShellExecuteCall shellExecute)
      : shellExecute_(std::move(shellExecute)) {}

  void open(std::string_view path, std::string_view workingFolder) override {
    const std::string file = ansi(path);
    const std::string folder = ansi(workingFolder);
    shellExecute_(owner(), "open", file.c_str(), "", folder.empty() ? nullptr : folder.c_str(),
                  SW_SHOWDEFAULT);
  }

  void openAddress(std::string_view address) override {
    const std::string file = ansi(address);
    shellExecute_(owner(), "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }

  void setOwnerWindow(std::function<std::uintptr_t()> ownerWindow) override {
    ownerWindow_ = std::move(ownerWindow);
  }

 private:
  HWND owner() const { return ownerWindow_ ? reinterpret_cast<HWND>(ownerWindow_()) : nullptr; }

  ShellExecuteCall shellExecute_;
  std::function<std::uintptr_t()> ownerWindow_;
};

}  // namespace

std::unique_ptr<DesktopOpener> makeShellExecuteOpener(ShellExecuteCall shellExecute) {
  return std::make_unique<ShellExecuteOpener>(std::move(shellExecute));
}

}  // namespace win32

std::unique_ptr<DesktopOpener> makeDesktopOpener() {
  return win32::makeShellExecuteOpener(
      [](HWND owner, const char* verb, const char* file, const char* parameters, const char* folder,
         INT show) { ::ShellExecuteA(owner, verb, file, parameters, folder, show); });
}

}  // namespace vorlent
