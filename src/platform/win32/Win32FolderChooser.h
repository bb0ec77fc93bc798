// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vorlent::win32 {

// Called with the chooser's window once it is initialised and the start folder is selected.
using ChooserOpened = std::function<void(HWND chooser)>;

// The shell's folder chooser over the whole desktop, file-system folders only. The thread's
// other visible windows are disabled while it is open.
std::optional<std::string> browseForFolder(HWND owner, std::string_view prompt,
                                           std::string_view startFolder,
                                           const ChooserOpened& opened = {});

}  // namespace vorlent::win32
