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

TEST(DisplayNameTest, ReplacesWhatCannotBeShown) {
  const struct {
    const char* raw;
    const char* shown;
  } cases[] = {
      {"GAME.ROM", "GAME.ROM"},
      {"", ""},
      {"ゲーム.rom", "ゲーム.rom"},
      {"a b~", "a b~"},
      {"\x82\xA0.rom", "\xEF\xBF\xBD\xEF\xBF\xBD.rom"},  // Shift-JIS bytes
      {"tab\there", "tab\xEF\xBF\xBDhere"},
      {"line\nbreak",
       "line\xEF\xBF\xBD"
       "break"},
      {"del\x7F", "del\xEF\xBF\xBD"},
      {"c1\xC2\x85", "c1\xEF\xBF\xBD"},
      {"nbsp\xC2\xA0", "nbsp\xC2\xA0"},
      {"overlong\xC0\xAF", "overlong\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"surrogate\xED\xA0\x80", "surrogate\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"cut\xE3\x81", "cut\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"emoji\xF0\x9F\x8E\xAE", "emoji\xF0\x9F\x8E\xAE"},
      {"beyond\xF4\x90\x80\x80", "beyond\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(displayName(c.raw), c.shown) << c.raw;
  }
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
