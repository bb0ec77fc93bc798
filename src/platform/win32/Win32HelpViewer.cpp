// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32HelpViewer.h"

#include <string>

#include "platform/win32/CodePage.h"

namespace vorlent {

namespace win32 {

namespace {

class WinHelpViewer final : public HelpViewer {
 public:
  explicit WinHelpViewer(WinHelpCall winHelp) : winHelp_(std::move(winHelp)) {}

  HelpShown showContents(std::uintptr_t owner, std::string_view helpFile) override {
    const std::string file = ansi(helpFile);
    winHelp_(reinterpret_cast<HWND>(owner), file.c_str(), HELP_FINDER, 0);
    return HelpShown::Shown;
  }

 private:
  WinHelpCall winHelp_;
};

}  // namespace

std::unique_ptr<HelpViewer> makeWinHelpViewer(WinHelpCall winHelp) {
  return std::make_unique<WinHelpViewer>(std::move(winHelp));
}

}  // namespace win32

std::unique_ptr<HelpViewer> makeHelpViewer(const FileSystem&, DesktopOpener&) {
  return win32::makeWinHelpViewer(&::WinHelpA);
}

}  // namespace vorlent
