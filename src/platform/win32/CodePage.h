// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlent::win32 {

// Conversions between UTF-8 and a Windows code page, through UTF-16. A character the code page
// cannot hold becomes the code page's default character; bytes that are no valid text in the
// source encoding are replaced the same way.
std::wstring wideFromCodePage(std::string_view bytes, unsigned codePage);
std::string codePageFromWide(std::wstring_view wide, unsigned codePage);

std::string toCodePage(std::string_view utf8, unsigned codePage);
std::string fromCodePage(std::string_view bytes, unsigned codePage);

// The bytes the A functions take for a path or text of the core, and back (CP_ACP).
std::string ansi(std::string_view utf8);
std::string fromAnsi(std::string_view bytes);

}  // namespace vorlent::win32
