// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>

#include "browser/EntryIcon.h"

namespace vorlent {
namespace {

TEST(ClassifyEntryIconTest, ExtensionsAndSizeThresholds) {
  const struct {
    const char* extension;
    std::uint64_t size;
    int icon;
  } cases[] = {
      {"", 0, 1},
      {".", 10, 1},
      {".bin", 10, 1},
      {".rom", 0, 7},
      {".rom", 131'072, 7},
      {".ROM", 131'072, 7},
      {".rom", 131'073, 2},
      {".Rom", 131'073, 2},
      {".dsk", 0, 8},
      {".dsk", 737'279, 8},
      {".dsk", 737'280, 3},
      {".DSK", 1'474'559, 3},
      {".dsk", 1'474'560, 9},
      // Sizes beyond 32 bits keep their true value.
      {".rom", 4'294'967'296ULL, 2},
      {".rom", 4'294'967'296ULL + 100, 2},
      {".dsk", 4'294'967'296ULL + 737'280, 9},
      {".cas", 5, 4},
      {".exe", 5, 5},
      {".COM", 5, 5},
      {".scr", 5, 5},
      {".wav", 5, 10},
      {".mp3", 5, 10},
      {".mid", 5, 11},
      {".rmi", 5, 11},
      {".avi", 5, 12},
      {".mpg", 5, 12},
      {".bmp", 5, 13},
      {".gif", 5, 14},
      {".jpg", 5, 15},
      {".jpeg", 5, 1},
      {".htm", 5, 16},
      {".HTML", 5, 16},
      {".txt", 5, 17},
      {".ini", 5, 17},
      {".lzh", 5, 18},
      {".zip", 5, 18},
      // Only ASCII letters are folded; a full-width letter or a longer text matches nothing.
      {".ｒｏｍ", 5, 1},
      {".roms", 5, 1},
      {"rom", 5, 1},
      {".rom ", 5, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifyEntryIcon(c.extension, c.size), c.icon) << c.extension << " " << c.size;
  }
}

}  // namespace
}  // namespace vorlent
