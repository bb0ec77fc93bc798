// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlent {

// The prompt of the folder chooser behind the "Dir" button.
inline constexpr std::string_view kChooseFolderPrompt = "ディレクトリを選択.";

// Status panel 0: the number of listed objects.
std::string objectCountText(std::size_t count);

// Status panel 1: total and free bytes of the drive in whole kilobytes; -1 (unreadable) shows 0.
std::string driveSizeText(std::int64_t totalBytes, std::int64_t freeBytes);

// The two lines shown when a drive button's drive cannot be read; the letter in upper case.
std::string driveNotAccessibleText(char letter);

// The two lines shown when a folder cannot be entered or read, worded like the drive's.
std::string folderNotAccessibleText(std::string_view folder);

}  // namespace vorlent
