// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "browser/EntryTexts.h"
#include "browser/ListSort.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {
namespace {

int sign(int value) { return (value > 0) - (value < 0); }

// The order a header click sorts by: the list comparison on the column's texts in the system's
// code page.
int systemOrder(const FileListEntry& a, const FileListEntry& b, ListColumn column) {
  return compareListTexts(makeSystemTextCodec()->toSystemText(columnText(a, column)),
                          makeSystemTextCodec()->toSystemText(columnText(b, column)));
}

TEST(CompareListTextsTest, ByteWiseWithOnlyAsciiLettersFolded) {
  const struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"", "", 0},
      {"", "a", -1},
      {"abc", "ABC", 0},
      {"GaMe.rom", "game.ROM", 0},
      {"ab", "abc", -1},
      {"ABC", "ab", 1},
      {"a", "b", -1},
      {"B", "a", 1},
      // Folding lowers nothing: "_" (0x5F) lies between "Z" and "a" and sorts after every letter.
      {"_", "a", 1},
      {"_", "Z", 1},
      {"[", "a", 1},
      {"Z", "[", -1},
      // Bytes above 0x7F compare unsigned and are never folded.
      {"\xC3\xA9", "z", 1},
      {"\xC3\xA9", "\xC3\x89", 1},
      {"\xE3\x81\x82", "\xE3\x81\x81", 1},
      {" 9", "10", -1},
      {"         9kB", "        10kB", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sign(compareListTexts(c.a, c.b)), c.order) << c.a << " / " << c.b;
    EXPECT_EQ(sign(compareListTexts(c.b, c.a)), -c.order) << c.b << " / " << c.a;
  }
}

FileListEntry fileEntry(std::string caption, std::uint64_t size, std::string type,
                        std::string time) {
  return {caption, 1, sizeText(size), "/x/" + caption, std::move(type), std::move(time)};
}

FileListEntry folderEntry(std::string caption, std::string time) {
  return {caption, 0, "", "/x/" + caption, "", std::move(time)};
}

std::vector<std::string> captions(const FileList& list) {
  std::vector<std::string> result;
  for (const FileListEntry& entry : list.entries()) {
    result.push_back(entry.caption);
  }
  return result;
}

class ColumnSortTest : public ::testing::Test {
 protected:
  ColumnSortTest() {
    list.assign({
        fileEntry("b.rom", 2'000, ".rom", "2020/01/02 10:00"),
        folderEntry("Zeta", "2019/12/31 23:59"),
        fileEntry("A.DSK", 737'280, ".DSK", "2020/01/02 09:59"),
        fileEntry("noext", 0, "", "2021/06/01 00:00"),
        folderEntry("..", "2000/01/01 00:00"),
        fileEntry("c.txt", 10'000'000, ".txt", "1999/05/05 05:05"),
        fileEntry("a.bin", 3'000, ".bin", "2020/01/02 10:01"),
    });
  }
  FileList list;
  const std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
};

TEST_F(ColumnSortTest, EveryColumnAscending) {
  const struct {
    ListColumn column;
    std::vector<std::string> order;
  } cases[] = {
      {ListColumn::Name, {"..", "a.bin", "A.DSK", "b.rom", "c.txt", "noext", "Zeta"}},
      // Folders first, then by kilobytes.
      {ListColumn::Size, {"Zeta", "..", "noext", "b.rom", "a.bin", "A.DSK", "c.txt"}},
      {ListColumn::FullPath,
       {"/x/..", "/x/a.bin", "/x/A.DSK", "/x/b.rom", "/x/c.txt", "/x/noext", "/x/Zeta"}},
      // Chronological.
      {ListColumn::TimeStamp, {"c.txt", "..", "Zeta", "A.DSK", "b.rom", "a.bin", "noext"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(columnIndex(c.column));
    sortByColumn(list, c.column, *systemText);
    EXPECT_EQ(list.sortColumn(), c.column);
    std::vector<std::string> got;
    for (const FileListEntry& entry : list.entries()) {
      got.push_back(c.column == ListColumn::FullPath ? entry.fullPath : entry.caption);
    }
    if (c.column == ListColumn::Size) {
      // The two folders compare equal; their order is not defined.
      ASSERT_EQ(got.size(), c.order.size());
      EXPECT_EQ((std::set<std::string>{got[0], got[1]}), (std::set<std::string>{"Zeta", ".."}));
      EXPECT_EQ(std::vector(got.begin() + 2, got.end()),
                std::vector(c.order.begin() + 2, c.order.end()));
    } else {
      EXPECT_EQ(got, c.order);
    }
    // A second click on the same header sorts ascending again.
    const auto once = list.entries();
    sortByColumn(list, c.column, *systemText);
    for (std::size_t i = 1; i < list.count(); ++i) {
      EXPECT_LE(systemOrder(list.entries()[i - 1], list.entries()[i], c.column), 0);
    }
  }
}

TEST_F(ColumnSortTest, TypeColumnPutsEmptyTypesFirst) {
  sortByColumn(list, ListColumn::Type, *systemText);
  std::vector<std::string> types;
  for (const FileListEntry& entry : list.entries()) {
    types.push_back(entry.typeText);
  }
  EXPECT_EQ(types, (std::vector<std::string>{"", "", "", ".bin", ".DSK", ".rom", ".txt"}));
}

TEST_F(ColumnSortTest, CustomSortIsDescendingByCaptionAndKeepsTheColumn) {
  sortByColumn(list, ListColumn::TimeStamp, *systemText);
  sortByCaptionDescending(list, *systemText);
  EXPECT_EQ(captions(list),
            (std::vector<std::string>{"Zeta", "noext", "c.txt", "b.rom", "A.DSK", "a.bin", ".."}));
  EXPECT_EQ(list.sortColumn(), ListColumn::TimeStamp);
}

TEST_F(ColumnSortTest, SelectionAndFocusFollowTheirEntries) {
  list.setSelected(2, true);  // A.DSK
  list.setSelected(5, true);  // c.txt
  list.setFocused(5);
  sortByColumn(list, ListColumn::Name, *systemText);
  ASSERT_EQ(list.selectedCount(), 2u);
  const auto selected = list.selectedEntries();
  EXPECT_EQ(selected[0]->caption, "A.DSK");
  EXPECT_EQ(selected[1]->caption, "c.txt");
  EXPECT_EQ(list.focused()->caption, "c.txt");
  EXPECT_EQ(list.firstSelected()->caption, "A.DSK");
}

TEST(ListSortTest, NamesDifferingOnlyInCaseAreEqual) {
  const auto systemText = makeSystemTextCodec();
  FileList list;
  list.assign({fileEntry("GAME.ROM", 1, ".ROM", ""), fileEntry("b", 1, "", ""),
               fileEntry("game.rom", 1, ".rom", ""), fileEntry("Game.Rom", 1, ".Rom", "")});
  sortByColumn(list, ListColumn::Name, *systemText);
  EXPECT_EQ(list.entries()[0].caption, "b");
  EXPECT_EQ(systemOrder(list.entries()[1], list.entries()[2], ListColumn::Name), 0);
  EXPECT_EQ(systemOrder(list.entries()[2], list.entries()[3], ListColumn::Name), 0);
}

TEST(ListSortTest, ColumnsOutOfRangeReadTheCaption) {
  const FileListEntry entry = fileEntry("n", 1, ".t", "time");
  EXPECT_EQ(columnText(entry, static_cast<ListColumn>(-1)), "n");
  EXPECT_EQ(columnText(entry, static_cast<ListColumn>(5)), "n");
  EXPECT_EQ(columnText(entry, ListColumn::Name), "n");
  EXPECT_EQ(columnText(entry, ListColumn::Size), "         1kB");
  EXPECT_EQ(columnText(entry, ListColumn::FullPath), "/x/n");
  EXPECT_EQ(columnText(entry, ListColumn::Type), ".t");
  EXPECT_EQ(columnText(entry, ListColumn::TimeStamp), "time");
}

}  // namespace
}  // namespace vorlent

namespace vorlent {
namespace {

// Long shared prefixes, case-only differences past the first sixteen bytes, prefixes of one
// another: the sorted list must agree with the comparison pair by pair.
TEST(ListSortTest, AgreesWithTheComparisonOnAwkwardTexts) {
  const auto systemText = makeSystemTextCodec();
  std::mt19937 random(3);
  const std::string alphabet = "aAbBzZ_ .\xC3\xA9";
  std::vector<FileListEntry> entries;
  for (int i = 0; i < 3000; ++i) {
    std::string text = i % 2 ? "/shared/prefix/of/the/folder/" : "";
    for (int n = static_cast<int>(random() % 40); n > 0; --n) {
      text += alphabet[random() % alphabet.size()];
    }
    FileListEntry entry;
    entry.caption = text;
    entry.fullPath = "/same/folder/" + text;
    entries.push_back(entry);
  }
  for (const ListColumn column : {ListColumn::Name, ListColumn::FullPath}) {
    FileList list;
    list.assign(entries);
    sortByColumn(list, column, *systemText);
    for (std::size_t i = 1; i < list.count(); ++i) {
      ASSERT_LE(systemOrder(list.entries()[i - 1], list.entries()[i], column), 0) << i;
    }
    sortByCaptionDescending(list, *systemText);
    for (std::size_t i = 1; i < list.count(); ++i) {
      ASSERT_GE(systemOrder(list.entries()[i - 1], list.entries()[i], ListColumn::Name), 0) << i;
    }
  }
}

}  // namespace
}  // namespace vorlent

namespace vorlent {
namespace {

// The header click orders the column's texts as the comparison does, in the system's code page
// (where that is not UTF-8 the texts are converted; see the Windows tests), not by plain
// string order: "100x" to "139x" come in numeric order whatever order they were listed in.
TEST(ListSortTest, SortsByTheComparisonOfTheSystemTexts) {
  const auto systemText = makeSystemTextCodec();
  std::vector<FileListEntry> entries;
  for (int i = 0; i < 40; ++i) {
    const std::string digits = std::to_string(100 + (i * 37) % 40);
    entries.push_back(fileEntry(digits + "x", 1, "", ""));
  }
  for (const ListColumn column : {ListColumn::Name, ListColumn::FullPath}) {
    SCOPED_TRACE(columnIndex(column));
    FileList list;
    list.assign(entries);
    sortByColumn(list, column, *systemText);
    for (std::size_t i = 1; i < list.count(); ++i) {
      EXPECT_LE(systemOrder(list.entries()[i - 1], list.entries()[i], column), 0) << i;
    }
    const std::vector<std::string> sorted = captions(list);
    EXPECT_EQ(std::vector(sorted.begin(), sorted.begin() + 3),
              (std::vector<std::string>{"100x", "101x", "102x"}));
  }
}

}  // namespace
}  // namespace vorlent
