// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <commdlg.h>

#include <cstring>

#include "platform/FileChooser.h"
#include "platform/PathParts.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// Room for many selected names: the dialog fails rather than cut a selection too long for it.
constexpr DWORD kChosenBytes = 64 * 1024;

OPENFILENAMEA dialogOptions(HWND owner, const std::string& folder, std::vector<char>& chosen) {
  OPENFILENAMEA options{};
  options.lStructSize = sizeof(options);
  options.hwndOwner = owner;
  options.lpstrFile = chosen.data();
  options.nMaxFile = static_cast<DWORD>(chosen.size());
  options.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  options.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  return options;
}

// A single choice is one full path; several are the folder, then each name, each ended by a
// NUL and the whole by a second NUL. They are joined in UTF-8: in the code page a folder's last
// byte can be the second byte of a character (0x5C in "表") and no "\" at all.
std::vector<std::string> chosenPaths(const std::vector<char>& chosen) {
  std::vector<std::string> parts;
  for (const char* part = chosen.data(); *part != '\0'; part += std::strlen(part) + 1) {
    parts.push_back(win32::fromAnsi(part));
  }
  if (parts.size() <= 1) {
    return parts;
  }
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    paths.push_back(joinPath(parts.front(), parts[i], PathStyle::Windows));
  }
  return paths;
}

class Win32FileChooser final : public FileChooser {
 public:
  std::optional<std::vector<std::string>> chooseToOpen(std::uintptr_t owner,
                                                       std::string_view startFolder) override {
    const std::string folder = win32::ansi(startFolder);
    std::vector<char> chosen(kChosenBytes, '\0');
    OPENFILENAMEA options = dialogOptions(reinterpret_cast<HWND>(owner), folder, chosen);
    options.Flags |= OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (::GetOpenFileNameA(&options) == 0) {
      return std::nullopt;
    }
    return chosenPaths(chosen);
  }

  std::optional<std::string> chooseToSave(std::uintptr_t owner,
                                          std::string_view startFolder) override {
    const std::string folder = win32::ansi(startFolder);
    std::vector<char> chosen(kChosenBytes, '\0');
    OPENFILENAMEA options = dialogOptions(reinterpret_cast<HWND>(owner), folder, chosen);
    options.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (::GetSaveFileNameA(&options) == 0) {
      return std::nullopt;
    }
    return win32::fromAnsi(chosen.data());
  }
};

}  // namespace

std::unique_ptr<FileChooser> makeFileChooser() { return std::make_unique<Win32FileChooser>(); }

}  // namespace vorlent
