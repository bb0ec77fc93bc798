// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/CodePage.h"

#include <gtest/gtest.h>

#include "platform/SystemTextCodec.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

constexpr unsigned kShiftJis = 932;

TEST(CodePageTest, ConvertsBetweenUtf8AndShiftJis) {
  const struct {
    std::string_view utf8;
    std::string_view shiftJis;
  } cases[] = {
      {"", ""},
      {"C:\\EMU\\FMSX-DOS.EXE", "C:\\EMU\\FMSX-DOS.EXE"},
      {testing::kJapaneseName, testing::kJapaneseNameShiftJis},
      {"スロット１に", "\x83\x58\x83\x8d\x83\x62\x83\x67\x82\x50\x82\xc9"},
      {"ｵﾌﾞｼﾞｪｸﾄ", "\xb5\xcc\xde\xbc\xde\xaa\xb8\xc4"},
      {"a\r\nb", "a\r\nb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(win32::toCodePage(c.utf8, kShiftJis), c.shiftJis) << c.utf8;
    EXPECT_EQ(win32::fromCodePage(c.shiftJis, kShiftJis), c.utf8) << c.utf8;
  }
}

TEST(CodePageTest, KeepsNulBytesInTheMiddle) {
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(win32::toCodePage(withNul, kShiftJis), withNul);
}

TEST(CodePageTest, SystemTextIsTheAnsiCodePage) {
  VORLENT_NEED_SHIFT_JIS();
  EXPECT_EQ(makeSystemTextCodec()->toSystemText(testing::kJapaneseName),
            testing::kJapaneseNameShiftJis);
  EXPECT_EQ(makeSystemTextCodec()->fromSystemText(testing::kJapaneseNameShiftJis),
            testing::kJapaneseName);
}

}  // namespace
}  // namespace vorlent
