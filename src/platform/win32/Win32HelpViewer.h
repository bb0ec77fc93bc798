// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/HelpViewer.h"

namespace vorlent::win32 {

// WinHelpA's parameters: owner, help file in the code page, command, data.
using WinHelpCall = std::function<BOOL(HWND, const char*, UINT, ULONG_PTR)>;

// The help viewer that asks `winHelp` for the file's contents and index (HELP_FINDER); the
// viewer itself reports a missing file.
std::unique_ptr<HelpViewer> makeWinHelpViewer(WinHelpCall winHelp);

}  // namespace vorlent::win32
