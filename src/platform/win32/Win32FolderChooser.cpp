// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32FolderChooser.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/FolderChooser.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace win32 {

namespace {

struct ChooserStart {
  // In the code page; empty when the chooser opens without a selection.
  std::string folder;
  const ChooserOpened& opened;
};

int CALLBACK chooserEvent(HWND chooser, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) {
    const auto& start = *reinterpret_cast<const ChooserStart*>(data);
    if (!start.folder.empty()) {
      ::SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(start.folder.c_str()));
    }
    if (start.opened) {
      start.opened(chooser);
    }
  }
  return 0;
}

bool isFolder(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The chooser disables only its owner; the thread's other windows are disabled for as long as
// it is open and enabled again however it closes.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(HWND owner) : owner_(owner) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &disable, reinterpret_cast<LPARAM>(this));
  }
  ~OtherWindowsDisabled() {
    for (HWND window : disabled_) {
      ::EnableWindow(window, TRUE);
    }
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK disable(HWND window, LPARAM self) {
    auto& windows = *reinterpret_cast<OtherWindowsDisabled*>(self);
    if (window != windows.owner_ && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      windows.disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND owner_;
  std::vector<HWND> disabled_;
};

// The shell's chooser needs COM on the calling thread.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialised_) {
      ::CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

// The item list that the chooser returns belongs to the shell's allocator.
void release(LPITEMIDLIST items) {
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(::SHGetMalloc(&allocator))) {
    allocator->Free(items);
    allocator->Release();
  }
}

}  // namespace

std::optional<std::string> browseForFolder(HWND owner, std::string_view prompt,
                                           std::string_view startFolder,
                                           const ChooserOpened& opened) {
  const ComApartment com;
  const std::string title = ansi(prompt);
  std::string folder = ansi(startFolder);
  if (!isFolder(folder)) {
    folder.clear();
  }
  const ChooserStart start{folder, opened};
  char displayName[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = &chooserEvent;
  info.lParam = reinterpret_cast<LPARAM>(&start);
  LPITEMIDLIST chosen = nullptr;
  {
    const OtherWindowsDisabled disabled(owner);
    chosen = ::SHBrowseForFolderA(&info);
  }
  if (chosen == nullptr) {
    return std::nullopt;
  }
  char path[MAX_PATH] = {};
  const bool hasPath = ::SHGetPathFromIDListA(chosen, path) != 0;
  release(chosen);
  if (!hasPath) {
    return std::nullopt;
  }
  return fromAnsi(path);
}

}  // namespace win32

namespace {

class Win32FolderChooser final : public FolderChooser {
 public:
  std::optional<std::string> choose(std::uintptr_t owner, std::string_view prompt,
                                    std::string_view startFolder) override {
    return win32::browseForFolder(reinterpret_cast<HWND>(owner), prompt, startFolder);
  }
};

}  // namespace

std::unique_ptr<FolderChooser> makeFolderChooser() {
  return std::make_unique<Win32FolderChooser>();
}

}  // namespace vorlent
