#include "browser/EntryIcon.h"

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

constexpr ExtensionIcon kIconsByExtension[] = {
    {".cas", 4},  {".exe", 5},  {".com", 5},  {".scr", 5},  {".wav", 10},
    {".mp3", 10}, {".mid", 11}, {".rmi", 11}, {".avi", 12}, {".mpg", 12},
    {".bmp", 13}, {".gif", 14}, {".jpg", 15}, {".htm", 16}, {".html", 16},
    {".txt", 17}, {".ini", 17}, {".lzh", 18}, {".zip", 18},
};

}  // namespace

int ClassifyEntryIcon(std::string_view extension, std::uint64_t sizeInBytes) {
  const std::string lowered = asciiLower(extension);
  if (lowered == ".rom") {
    return sizeInBytes <= kRomCartridgeLimit ? 7 : 2;
  }
  if (lowered == ".dsk") {
    if (sizeInBytes >= kHighDensityDisk) {
      return 9;
    }
    return sizeInBytes >= kDoubleDensityDisk ? 3 : 8;
  }
  for (const ExtensionIcon& row : kIconsByExtension) {
    if (lowered == row.extension) {
      return row.icon;
    }
  }
  return kPlainFileIcon;
}

}  // namespace vorlent
