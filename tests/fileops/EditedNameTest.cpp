// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/EditedName.h"

#include <gtest/gtest.h>

namespace vorlent {
namespace {

TEST(EditedNameTest, TheBytesTheEditLeftAsShownAreKept) {
  // In the answers "?" stands for U+FFFD, the mark a byte of no character or a control shows as.
  const struct {
    std::string original, answer;
    std::optional<std::string> meant;
  } cases[] = {
      {"\xff\xfe.rom", "??.romx", "\xff\xfe.romx"},
      {"a\tq\xc2\x85", "a?q?.txt", "a\tq\xc2\x85.txt"},
      {"ゲーム.rom", "ゲーム2.rom", "ゲーム2.rom"},
      {"\xef\xbf\xbd.rom", "?.romx", "\xef\xbf\xbd.romx"},
      {"sub/\xff", "sub/?/x", "sub/\xff/x"},
      {"\xff_\xfe", "?x?", "\xffx\xfe"},
      {"\xff\xff.rom", "?.rom", "\xff.rom"},  // either of two like marks deleted
      // A mark typed or left in the changed part; one of two unlike marks deleted.
      {"x.rom", "?.rom", std::nullopt},
      {"a\xff_", "c?d", std::nullopt},
      {"\xff\xfe.rom", "?.rom", std::nullopt},
  };
  for (const auto& c : cases) {
    std::string answer;
    for (const char letter : c.answer)
      answer += letter == '?' ? "\xEF\xBF\xBD" : std::string(1, letter);
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(editedNameBytes(c.original, answer), c.meant);
  }
}

}  // namespace
}  // namespace vorlent
