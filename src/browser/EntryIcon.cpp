// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/EntryIcon.h"

#include <string>

#include "browser/MediumKind.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

constexpr std::uint64_t kRomCartridgeLimit = 131'072;  // 128 KiB
constexpr std::uint64_t kDoubleDensityDisk = 737'280;  // 720 KiB
constexpr std::uint64_t kHighDensityDisk = 1'474'560;  // 1,440 KiB

struct ExtensionIcon {
  std::string_view extension;
  int icon;
};

// The files that are not media, by their lower-case extension.
constexpr ExtensionIcon kIconsByExtension[] = {
    {".exe", kProgramIcon}, {".com", kProgramIcon},  {".scr", kProgramIcon}, {".wav", kSoundIcon},
    {".mp3", kSoundIcon},   {".mid", kMusicIcon},    {".rmi", kMusicIcon},   {".avi", kVideoIcon},
    {".mpg", kVideoIcon},   {".bmp", kBitmapIcon},   {".gif", kGifIcon},     {".jpg", kJpegIcon},
    {".htm", kWebPageIcon}, {".html", kWebPageIcon}, {".txt", kTextIcon},    {".ini", kTextIcon},
    {".lzh", kArchiveIcon}, {".zip", kArchiveIcon},
};

}  // namespace

int ClassifyEntryIcon(std::string_view extension, std::uint64_t sizeInBytes) {
  switch (mediumKindOfExtension(extension)) {
    case MediumKind::Cartridge:
      return sizeInBytes <= kRomCartridgeLimit ? kCartridgeIcon : kLargeRomIcon;
    case MediumKind::Disk:
      if (sizeInBytes >= kHighDensityDisk) {
        return kHighDensityDiskIcon;
      }
      return sizeInBytes >= kDoubleDensityDisk ? kDoubleDensityDiskIcon : kSmallDiskIcon;
    case MediumKind::Tape:
      return kTapeIcon;
    case MediumKind::None:
      break;
  }
  const std::string lowered = asciiLower(extension);
  for (const ExtensionIcon& row : kIconsByExtension) {
    if (lowered == row.extension) {
      return row.icon;
    }
  }
  return kPlainFileIcon;
}

}  // namespace vorlent
