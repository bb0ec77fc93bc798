// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "browser/FileList.h"

namespace vorlent {
namespace {

class RecordingObserver final : public FileListObserver {
 public:
  void entriesAboutToBeReplaced() override { events.push_back("about to replace"); }
  void entriesReplaced() override { events.push_back("replaced"); }
  void entriesAboutToBeReordered() override { events.push_back("about to reorder"); }
  void entriesReordered(const std::vector<std::size_t>& oldIndexOfNew) override {
    std::string text = "reordered";
    for (std::size_t old : oldIndexOfNew) {
      text += " " + std::to_string(old);
    }
    events.push_back(text);
  }
  void entryChanged(std::size_t index) override {
    events.push_back("changed " + std::to_string(index));
  }
  std::vector<std::string> events;
};

FileListEntry named(const char* caption) {
  FileListEntry entry;
  entry.caption = caption;
  entry.fullPath = "/f/" + std::string(caption);
  return entry;
}

TEST(FileListTest, ReadsWhatOtherCommandsNeed) {
  FileList list;
  list.assign({named(".."), named("a"), named("b"), named("c")});
  EXPECT_EQ(list.count(), 4u);
  EXPECT_EQ(list.parentEntry()->fullPath, "/f/..");
  EXPECT_EQ(list.firstSelected(), nullptr);
  list.setSelected(3, true);
  list.setSelected(1, true);
  list.setSelected(9, true);
  EXPECT_EQ(list.selectedCount(), 2u);
  EXPECT_EQ(list.firstSelected()->caption, "a");
  ASSERT_EQ(list.selectedEntries().size(), 2u);
  EXPECT_EQ(list.selectedEntries()[1]->caption, "c");
  list.setFocused(2);
  EXPECT_EQ(list.focused()->caption, "b");
  list.setFocused(4);
  EXPECT_EQ(list.focused(), nullptr);
  list.clearSelection();
  EXPECT_EQ(list.selectedCount(), 0u);

  list.assign({named("x")});
  EXPECT_EQ(list.parentEntry(), nullptr);
}

// Entries whose details the listing left to be read, each read filling in its size text.
struct PendingList {
  PendingList() {
    std::vector<FileListEntry> entries;
    for (const char* caption : {"..", "a", "b", "c", "d"}) {
      FileListEntry entry = named(caption);
      entry.detailsPending = true;
      entries.push_back(entry);
    }
    list.assign(std::move(entries), [this](FileListEntry& entry) {
      reads.push_back(entry.caption);
      entry.sizeText = "read";
      entry.iconIndex = 9;
    });
  }
  FileList list;
  std::vector<std::string> reads;
};

TEST(FileListTest, PendingDetailsAreReadOnceAndOnlyForTheEntriesRead) {
  const struct {
    const char* what;
    std::function<void(FileList&)> read;
    std::vector<std::string> reads;
  } cases[] = {
      {"count", [](FileList& l) { (void)l.count(); }, {}},
      {"one entry", [](FileList& l) { EXPECT_EQ(l.entry(2).sizeText, "read"); }, {"b"}},
      {"the parent entry",
       [](FileList& l) { EXPECT_EQ(l.parentEntry()->sizeText, "read"); },
       {".."}},
      {"the selection",
       [](FileList& l) {
         l.setSelected(3, true);
         l.setSelected(1, true);
         EXPECT_EQ(l.selectedEntries().size(), 2u);
         EXPECT_EQ(l.firstSelected()->sizeText, "read");
       },
       {"a", "c"}},
      {"the focus",
       [](FileList& l) {
         l.setFocused(4);
         EXPECT_EQ(l.focused()->sizeText, "read");
       },
       {"d"}},
      {"all, twice",
       [](FileList& l) {
         (void)l.entry(1);
         (void)l.entries();
         for (const FileListEntry& entry : l.entries()) {
           EXPECT_EQ(entry.sizeText, "read");
           EXPECT_FALSE(entry.detailsPending);
         }
       },
       {"a", "..", "b", "c", "d"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PendingList pending;
    c.read(pending.list);
    EXPECT_EQ(pending.reads, c.reads);
  }
}

TEST(FileListTest, ARenameKeepsTheIconItIsGivenOverPendingDetails) {
  PendingList pending;
  pending.list.update(1, "a.dsk", "/f/a.dsk", 8);
  EXPECT_EQ(pending.reads, std::vector<std::string>{"a"});
  EXPECT_EQ(pending.list.entry(1).iconIndex, 8);
  EXPECT_EQ(pending.list.entry(1).sizeText, "read");
}

TEST(FileListTest, PendingEntriesWithoutAReaderAreTakenAsTheyAre) {
  FileList list;
  FileListEntry entry = named("a");
  entry.detailsPending = true;
  list.assign({entry});
  EXPECT_FALSE(list.entry(0).detailsPending);
  EXPECT_EQ(list.entry(0).sizeText, "");
}

TEST(FileListTest, TellsItsObserverAboutEveryChange) {
  FileList list;
  RecordingObserver observer;
  list.setObserver(&observer);
  list.assign({named("a"), named("b"), named("c")});
  list.update(1, "B2", "/f/B2", 7);
  list.update(5, "none", "/none", 1);
  list.reorder({2, 0, 1});
  list.reorder({0, 0, 1});  // not a permutation
  list.reorder({0, 1});     // wrong length
  list.setObserver(nullptr);
  list.assign({});
  EXPECT_EQ(observer.events, (std::vector<std::string>{"about to replace", "replaced", "changed 1",
                                                       "about to reorder", "reordered 2 0 1"}));
  EXPECT_EQ(list.count(), 0u);
}

TEST(FileListTest, UpdateChangesOneEntryInPlace) {
  FileList list;
  list.assign({named("a"), named("b")});
  list.setSelected(1, true);
  list.setFocused(1);
  list.update(1, "NEW.ROM", "/f/NEW.ROM", 7);
  FileListEntry renamed = named("NEW.ROM");
  renamed.iconIndex = 7;
  EXPECT_EQ(list.entries()[1], renamed);
  EXPECT_EQ(list.focused()->caption, "NEW.ROM");
  EXPECT_TRUE(list.isSelected(1));
}

TEST(FileListTest, ReorderCarriesSelectionAndFocus) {
  FileList list;
  list.assign({named("a"), named("b"), named("c")});
  list.setSelected(0, true);
  list.setFocused(0);
  list.reorder({1, 2, 0});
  EXPECT_EQ(list.entries()[2].caption, "a");
  EXPECT_TRUE(list.isSelected(2));
  EXPECT_FALSE(list.isSelected(0));
  EXPECT_EQ(list.focusedIndex(), 2u);
}

}  // namespace
}  // namespace vorlent
