// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The file list's nineteen pictures by their icon number, the same in the large and the small
// icon set.
inline constexpr int kFolderIcon = 0;
inline constexpr int kPlainFileIcon = 1;
inline constexpr int kLargeRomIcon = 2;  // a ROM image beyond 128 KiB
inline constexpr int kDoubleDensityDiskIcon = 3;
inline constexpr int kTapeIcon = 4;
inline constexpr int kProgramIcon = 5;
inline constexpr int kParentFolderIcon = 6;
inline constexpr int kCartridgeIcon = 7;  // a ROM image of at most 128 KiB
inline constexpr int kSmallDiskIcon = 8;
inline constexpr int kHighDensityDiskIcon = 9;
inline constexpr int kSoundIcon = 10;
inline constexpr int kMusicIcon = 11;
inline constexpr int kVideoIcon = 12;
inline constexpr int kBitmapIcon = 13;
inline constexpr int kGifIcon = 14;
inline constexpr int kJpegIcon = 15;
inline constexpr int kWebPageIcon = 16;
inline constexpr int kTextIcon = 17;
inline constexpr int kArchiveIcon = 18;

inline constexpr int kFileListIconCount = 19;

}  // namespace vorlent
