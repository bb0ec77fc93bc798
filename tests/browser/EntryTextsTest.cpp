// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>

#include "browser/EntryTexts.h"

namespace vorlent {
namespace {

TEST(SizeTextTest, KilobytesRoundedUpInTenCharacters) {
  const struct {
    std::uint64_t bytes;
    const char* text;
  } cases[] = {
      {0, "         0kB"},
      {1, "         1kB"},
      {1'024, "         1kB"},
      {1'025, "         2kB"},
      {131'072, "       128kB"},
      {131'073, "       129kB"},
      {1'474'560, "      1440kB"},
      // 2 GiB and more: counted in 64 bits, not wrapped.
      {2'147'483'648ULL, "   2097152kB"},
      {4'294'967'296ULL, "   4194304kB"},
      {4'294'967'297ULL, "   4194305kB"},
      // Ten digits fill the field; more widen it.
      {9'999'999'999ULL * 1024, "9999999999kB"},
      {10'000'000'000ULL * 1024, "10000000000kB"},
      {UINT64_MAX, "18014398509481984kB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sizeText(c.bytes), c.text) << c.bytes;
  }
}

TEST(TimeStampTextTest, ZeroPaddedLocalTime) {
  EXPECT_EQ(timeStampText({2024, 3, 7, 9, 5}), "2024/03/07 09:05");
  EXPECT_EQ(timeStampText({1999, 12, 31, 23, 59}), "1999/12/31 23:59");
  EXPECT_EQ(timeStampText({1970, 1, 1, 0, 0}), "1970/01/01 00:00");
  EXPECT_EQ(timeStampText({987, 1, 1, 0, 0}), "0987/01/01 00:00");
  EXPECT_EQ(timeStampText({12345, 1, 1, 0, 0}), "12345/01/01 00:00");
}

TEST(ExtensionOfNameTest, FromTheLastDotAsFound) {
  EXPECT_EQ(extensionOfName("GAME.ROM"), ".ROM");
  EXPECT_EQ(extensionOfName("a.b.dsk"), ".dsk");
  EXPECT_EQ(extensionOfName("README"), "");
  EXPECT_EQ(extensionOfName(".profile"), ".profile");
  EXPECT_EQ(extensionOfName("trailing."), ".");
}

}  // namespace
}  // namespace vorlent
