// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ListedEntryOpening.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::TempFolder;

class ListedEntryOpeningTest : public ::testing::Test {
 protected:
  ListedEntryOpeningTest() {
    std::filesystem::create_directories(folder.path() / "GAMES.ROM");
    for (const char* name : {"a.rom", "B.DSK", "c.Cas", "FMSX-DOS.EXE", "brmsx.exe", "tool.exe",
                             "readme.txt", "noext"}) {
      folder.write(name);
    }
    std::vector<FileListEntry> entries;
    for (const char* name : {"..", "GAMES.ROM", "a.rom", "B.DSK", "c.Cas", "FMSX-DOS.EXE",
                             "brmsx.exe", "tool.exe", "readme.txt", "noext", "gone.rom"}) {
      FileListEntry entry;
      entry.caption = name;
      entry.fullPath = folder.at(name);
      entries.push_back(entry);
    }
    entries[0].fullPath = folder.string() + "/..";
    list.assign(entries);
  }

  void select(const std::vector<std::size_t>& indices, std::optional<std::size_t> focus) {
    list.clearSelection();
    for (std::size_t index : indices) list.setSelected(index, true);
    list.setFocused(focus);
  }

  TempFolder folder;
  FileList list;
  std::unique_ptr<FileSystem> files = makeFileSystem();
};

TEST_F(ListedEntryOpeningTest, DispatchesByFolderThenExtensionThenName) {
  const struct {
    std::vector<std::size_t> selected;
    std::optional<std::size_t> focused;
    OpeningKind kind;
    std::optional<std::size_t> pathOf;
  } cases[] = {
      {{}, std::nullopt, OpeningKind::Nothing, std::nullopt},
      {{2}, std::nullopt, OpeningKind::Nothing, std::nullopt},
      {{0}, 0, OpeningKind::EnterFolder, 0},
      {{1}, 1, OpeningKind::EnterFolder, 1},  // a folder named like a ROM is entered
      {{2}, 2, OpeningKind::MountCartridge, std::nullopt},
      {{3}, 3, OpeningKind::MountDisk, std::nullopt},
      {{4}, 4, OpeningKind::MountTape, std::nullopt},
      {{5}, 5, OpeningKind::TakeFmsx, std::nullopt},
      {{6}, 6, OpeningKind::TakeBrmsx, std::nullopt},
      {{7}, 7, OpeningKind::RunProgram, std::nullopt},
      {{8}, 8, OpeningKind::OpenWithShell, 8},
      {{9}, 9, OpeningKind::OpenWithShell, 9},
      // Several selected: the mounts decide by the focused entry (and then refuse), the shell
      // opens the first selected entry.
      {{2, 8}, 2, OpeningKind::MountCartridge, std::nullopt},
      {{2, 8}, 8, OpeningKind::OpenWithShell, 2},
      {{1, 8}, 8, OpeningKind::EnterFolder, 1},
  };
  for (const auto& c : cases) {
    select(c.selected, c.focused);
    const Opening opening = decideOpening(list, *files, PathStyle::Posix);
    EXPECT_EQ(opening.kind, c.kind) << c.selected.size() << " focused " << c.focused.value_or(99);
    EXPECT_EQ(opening.path, c.pathOf ? list.entries()[*c.pathOf].fullPath : "");
  }
}

TEST_F(ListedEntryOpeningTest, ListMenuShowsTheItemsThatFitTheSelection) {
  const char* const captions[kListMenuItemCount] = {"新規ファイル作成",
                                                    "新規フォルダ作成",
                                                    "-",
                                                    "開く",
                                                    "ウィンドウ表示する",
                                                    "-",
                                                    "スロット　１",
                                                    "スロット　２",
                                                    "ドライブ　１",
                                                    "ドライブ　２",
                                                    "テープ",
                                                    "-",
                                                    "名前の変更",
                                                    "移動",
                                                    "コピー",
                                                    "ごみ箱に捨てる",
                                                    "-",
                                                    "ファイルの結合"};
  const auto shown = [&] {
    std::vector<std::string> visible;
    const ListMenuVisibility items = listMenuVisibility(list, *files, PathStyle::Posix);
    for (std::size_t i = 0; i < kListMenuItemCount; ++i) {
      if (items[i]) visible.emplace_back(captions[i]);
    }
    return visible;
  };
  using Items = std::vector<std::string>;
  const Items fileOps = {"-", "名前の変更", "移動", "コピー", "ごみ箱に捨てる"};
  const auto with = [&](Items front) {
    front.insert(front.end(), fileOps.begin(), fileOps.end());
    return front;
  };
  const struct {
    std::vector<std::size_t> selected;
    std::optional<std::size_t> focused;
    Items visible;
  } cases[] = {
      {{}, std::nullopt, {"新規ファイル作成", "新規フォルダ作成"}},
      {{8}, std::nullopt, {"新規ファイル作成", "新規フォルダ作成"}},
      {{8}, 8, with({"開く"})},
      {{7}, 7, with({"開く"})},
      {{2}, 2, with({"スロット　１", "スロット　２"})},
      {{3}, 3, with({"ドライブ　１", "ドライブ　２"})},
      {{4}, 4, with({"テープ"})},
      {{1}, 1, with({"開く", "ウィンドウ表示する"})},  // a folder named X.ROM
      {{0}, 0, {"開く", "ウィンドウ表示する"}},
      {{10}, 10, with({"開く"})},  // a listed .rom that no longer exists
      {{2, 3}, 2, {"移動", "コピー", "ごみ箱に捨てる", "-", "ファイルの結合"}},
  };
  for (const auto& c : cases) {
    select(c.selected, c.focused);
    EXPECT_EQ(shown(), c.visible) << c.selected.size() << " focused " << c.focused.value_or(99);
  }
}

}  // namespace
}  // namespace vorlent
