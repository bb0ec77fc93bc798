// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/DesktopOpener.h"

namespace vorlent::win32 {

// ShellExecuteA's parameters: the owner window, the verb, the file, the parameter text and the
// working folder (each in the code page, null for none) and the show state. Its answer is not
// looked at.
using ShellExecuteCall = std::function<void(HWND owner, const char* verb, const char* file,
                                            const char* parameters, const char* folder, INT show)>;

// The shell's "open" action, owned by the window set with setOwnerWindow. A file opens with an
// empty parameter text in the given working folder, shown in the default state; an address
// with no parameters, in no working folder, shown in the normal state.
std::unique_ptr<DesktopOpener> makeShellExecuteOpener(ShellExecuteCall shellExecute);

}  // namespace vorlent::win32
