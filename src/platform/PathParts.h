// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "platform/PathStyle.h"

namespace vorlent {

bool isPathDelimiter(char c, PathStyle style);

// Everything before the last delimiter, without that delimiter unless it is the path's first
// character or follows another delimiter: "C:\EMU\A.EXE" gives "C:\EMU", "C:\A.EXE" gives
// "C:\", "/emu/a.exe" gives "/emu", "/a.exe" gives "/". No delimiter gives "".
std::string folderPart(std::string_view path, PathStyle style);

// Everything before the last delimiter, that delimiter included ("C:\EMU\" for "C:\EMU\A.EXE").
std::string folderPartWithDelimiter(std::string_view path, PathStyle style);

// The text after the last delimiter.
std::string fileNamePart(std::string_view path, PathStyle style);

// The extension of the last component from its last "." on, case kept ("" when there is none).
std::string extensionOf(std::string_view path, PathStyle style);

// The ASCII letters A-Z lowered; every other byte stays as it is.
constexpr char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string asciiLower(std::string_view text);

// Whether the last component's extension, ASCII letters lowered, equals the given lower-case one.
bool hasExtension(std::string_view path, std::string_view lowerCaseExtension, PathStyle style);

// The folder followed by the name, with one delimiter of the style between them.
std::string joinPath(std::string_view folder, std::string_view name, PathStyle style);

}  // namespace vorlent
