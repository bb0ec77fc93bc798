// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/FileList.h"
#include "browser/ListSort.h"
#include "platform/SystemTextCodec.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

FileListEntry named(const std::string& caption) {
  return {caption, 1, "", "C:\\" + caption, "", ""};
}

std::vector<std::string> captionsSortedBy(std::vector<FileListEntry> entries, ListColumn column) {
  FileList list;
  list.assign(std::move(entries));
  sortByColumn(list, column, *makeSystemTextCodec());
  std::vector<std::string> captions;
  for (const FileListEntry& entry : list.entries()) {
    captions.push_back(entry.caption);
  }
  return captions;
}

int sign(int value) { return (value > 0) - (value < 0); }

// The list sorts the Shift-JIS bytes: "Ａ" is 82 60 there and "あ" 82 A0, while in UTF-8 "あ"
// (E3 81 82) comes before "Ａ" (EF BC A1).
TEST(Win32ListSortTest, SortsByTheShiftJisBytes) {
  VORLENT_NEED_SHIFT_JIS();
  const std::string fullWidthA = "Ａ.rom";
  const std::string hiraganaA = "あ.rom";
  ASSERT_LT(hiraganaA, fullWidthA);
  for (const ListColumn column : {ListColumn::Name, ListColumn::FullPath}) {
    SCOPED_TRACE(columnIndex(column));
    EXPECT_EQ(captionsSortedBy({named(hiraganaA), named(fullWidthA)}, column),
              (std::vector<std::string>{fullWidthA, hiraganaA}));
  }
}

// The comparison knows no double-byte characters: a second byte in the range a to z is folded
// like a letter, so "ア" (83 41) and "ヂ" (83 61) compare equal, and "ア" sorts before "イ"
// (83 43).
TEST(Win32ListSortTest, ComparesSingleShiftJisBytes) {
  VORLENT_NEED_SHIFT_JIS();
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"ア", "ヂ", 0}, {"ア", "イ", -1}, {"Ａ", "あ", -1}, {"表", "表a", -1}, {"ｱ", "亜", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(sign(compareListTexts(makeSystemTextCodec()->toSystemText(c.a),
                                    makeSystemTextCodec()->toSystemText(c.b))),
              c.order);
    EXPECT_EQ(sign(compareListTexts(makeSystemTextCodec()->toSystemText(c.b),
                                    makeSystemTextCodec()->toSystemText(c.a))),
              -c.order);
  }
}

}  // namespace
}  // namespace vorlent
