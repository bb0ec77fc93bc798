// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/JoinSourceList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::TempFolder;

JoinSourceList listOf(std::vector<std::string> paths, std::optional<std::size_t> selected) {
  JoinSourceList list;
  for (auto& path : paths) list.add(path);
  list.select(selected);
  return list;
}

TEST(JoinSourceListTest, MovesAndRemovals) {
  enum class Step { Up, Down, Remove };
  const struct {
    std::string name;
    std::vector<std::string> paths;
    std::optional<std::size_t> selected;
    Step step;
    std::vector<std::string> after;
    std::optional<std::size_t> selectedAfter;
  } cases[] = {
      {"up", {"a", "b", "c"}, 1, Step::Up, {"b", "a", "c"}, 0},
      {"up on the first", {"a", "b"}, 0, Step::Up, {"a", "b"}, 0},
      {"up without selection", {"a", "b"}, std::nullopt, Step::Up, {"a", "b"}, std::nullopt},
      {"down", {"a", "b", "c"}, 1, Step::Down, {"a", "c", "b"}, 2},
      {"down on the last", {"a", "b"}, 1, Step::Down, {"a", "b"}, 1},
      {"down without selection", {"a", "b"}, std::nullopt, Step::Down, {"a", "b"}, std::nullopt},
      {"remove in the middle", {"a", "b", "c"}, 1, Step::Remove, {"a", "c"}, 1},
      {"remove the last", {"a", "b", "c"}, 2, Step::Remove, {"a", "b"}, 1},
      {"remove the only", {"a"}, 0, Step::Remove, {}, std::nullopt},
      {"remove without selection", {"a"}, std::nullopt, Step::Remove, {"a"}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JoinSourceList list = listOf(c.paths, c.selected);
    switch (c.step) {
      case Step::Up:
        list.moveSelectedUp();
        break;
      case Step::Down:
        list.moveSelectedDown();
        break;
      case Step::Remove:
        list.removeSelected();
        break;
    }
    EXPECT_EQ(list.paths(), c.after);
    EXPECT_EQ(list.selected(), c.selectedAfter);
  }
}

TEST(JoinSourceListTest, DestinationChecks) {
  TempFolder folder;
  const std::unique_ptr<FileSystem> files = makeFileSystem();
  folder.write("file.bin");
  const std::string root = folder.string();
  const struct {
    std::string destination;
    PathStyle style;
    bool black;
    std::optional<std::string> refusal;
  } cases[] = {
      {root + "/out.bin", PathStyle::Posix, true, std::nullopt},
      {root + "/", PathStyle::Posix, true, "Input file name."},
      {"out.bin", PathStyle::Posix, false, "Directory not found.\r"},
      {"", PathStyle::Posix, false, "Directory not found.\r"},
      {root + "/missing/out.bin", PathStyle::Posix, false,
       "Directory not found.\r" + root + "/missing/"},
      {root + "/file.bin/out.bin", PathStyle::Posix, false,
       "Directory not found.\r" + root + "/file.bin/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.destination);
    EXPECT_EQ(destinationFolderExists(c.destination, *files, c.style), c.black);
    EXPECT_EQ(joinRefusal(c.destination, *files, c.style), c.refusal);
  }
}

TEST(JoinSourceListTest, StartsWithTheSelectedFilesOnly) {
  TempFolder folder;
  const std::unique_ptr<FileSystem> files = makeFileSystem();
  const std::string a = folder.write("a.bin");
  const std::string b = folder.write("b.bin");
  std::filesystem::create_directory(folder.at("dir"));
  FileList list;
  list.assign({{"..", 6, "", folder.string() + "/..", "", ""},
               {"dir", 0, "", folder.at("dir"), "", ""},
               {"b.bin", 1, "", b, "", ""},
               {"gone", 1, "", folder.at("gone"), "", ""},
               {"a.bin", 1, "", a, "", ""}});
  for (std::size_t i = 0; i < list.count(); ++i) list.setSelected(i, true);
  EXPECT_EQ(selectedFilesToJoin(list, *files), (std::vector<std::string>{b, a}));
}

}  // namespace
}  // namespace vorlent
