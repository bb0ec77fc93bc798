#include <windows.h>
// The shell's header needs the definitions of windows.h first.
#include <shellapi.h>

#include "platform/DesktopOpener.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// The shell's "open" action; what it answers is not looked at.
class Win32DesktopOpener final : public DesktopOpener {
 public:
  void open(std::string_view path, std::string_view workingFolder) override {
    const std::string file = win32::ansi(path);
    const std::string folder = win32::ansi(workingFolder);
    ::ShellExecuteA(nullptr, "open", file.c_str(), "", folder.empty() ? nullptr : folder.c_str(),
                    SW_SHOWDEFAULT);
  }
};

}  // namespace

std::unique_ptr<DesktopOpener> makeDesktopOpener() {
  return std::make_unique<Win32DesktopOpener>();
}

}  // namespace vorlent
