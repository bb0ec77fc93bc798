// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <map>

#include "browser/EntryTexts.h"
#include "browser/ListFolder.h"
#include "platform/ControlCharacters.h"
#include "support/CountingBusy.h"
#include "support/TempFolder.h"
#include "support/WithoutRootRights.h"

namespace vorlent {
namespace {

using testing::CountingBusy;
using testing::TempFolder;

// A file of the given size without writing its bytes.
void makeSparseFile(const std::string& path, std::uint64_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0) << path;
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0) << path;
  ::close(fd);
}

std::map<std::string, FileListEntry> byCaption(const FileList& list) {
  std::map<std::string, FileListEntry> entries;
  for (const FileListEntry& entry : list.entries()) {
    entries[entry.caption] = entry;
  }
  return entries;
}

class ListFolderTest : public ::testing::Test {
 protected:
  std::optional<std::string> list(const std::string& path) {
    return ListFolder(fileList, path, *enumerator, busy);
  }

  TempFolder folder;
  FileList fileList;
  std::unique_ptr<FolderEnumerator> enumerator = makeFolderEnumerator();
  CountingBusy busy;
};

TEST_F(ListFolderTest, EntriesOfEveryKind) {
  const struct {
    const char* name;
    std::uint64_t size;
    int icon;
    const char* sizeText;
    const char* type;
  } files[] = {
      {"empty.bin", 0, 1, "         0kB", ".bin"},
      {"k1.txt", 1'024, 17, "         1kB", ".txt"},
      {"k2.txt", 1'025, 17, "         2kB", ".txt"},
      {"SMALL.ROM", 131'072, 7, "       128kB", ".ROM"},
      {"BIG.ROM", 131'073, 2, "       129kB", ".ROM"},
      {"a.dsk", 737'279, 8, "       720kB", ".dsk"},
      {"b.dsk", 737'280, 3, "       720kB", ".dsk"},
      {"c.DsK", 1'474'559, 3, "      1440kB", ".DsK"},
      {"d.dsk", 1'474'560, 9, "      1440kB", ".dsk"},
      {"README", 10, 1, "         1kB", ""},
      {".hidden", 10, 1, "         1kB", ".hidden"},
      {"tape.cas", 100, 4, "         1kB", ".cas"},
      {"huge.dsk", 5'368'709'120ULL, 9, "   5242880kB", ".dsk"},  // 5 GiB
  };
  for (const auto& f : files) {
    makeSparseFile(folder.at(f.name), f.size);
  }
  std::filesystem::create_directory(folder.at("X.ROM"));

  ASSERT_EQ(list(folder.string()), folder.string());
  EXPECT_EQ(busy.begun, 1);
  EXPECT_EQ(busy.depth, 0);
  auto entries = byCaption(fileList);
  EXPECT_EQ(fileList.count(), std::size(files) + 2);  // the folder and ".."
  EXPECT_EQ(entries.count("."), 0u);
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    ASSERT_EQ(entries.count(f.name), 1u);
    const FileListEntry& entry = entries[f.name];
    EXPECT_EQ(entry.iconIndex, f.icon);
    EXPECT_EQ(entry.sizeText, f.sizeText);
    EXPECT_EQ(entry.typeText, f.type);
    EXPECT_EQ(entry.fullPath, folder.string() + "/" + f.name);
  }
  const FileListEntry& romFolder = entries["X.ROM"];
  EXPECT_EQ(romFolder.iconIndex, 0);
  EXPECT_EQ(romFolder.sizeText, "");
  EXPECT_EQ(romFolder.typeText, "");
  EXPECT_EQ(romFolder.fullPath, folder.at("X.ROM"));

  const FileListEntry& parent = entries[".."];
  EXPECT_EQ(parent.iconIndex, 6);
  EXPECT_EQ(parent.sizeText, "");
  EXPECT_EQ(parent.typeText, "");
  EXPECT_EQ(parent.fullPath, folder.string() + "/..");
}

void setLastWrite(const std::string& path, int year, int month, int day, int hour, int minute,
                  int second) {
  struct tm parts {};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  parts.tm_isdst = -1;
  const std::time_t when = std::mktime(&parts);
  const struct timespec times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST_F(ListFolderTest, TimeStampIsLocalTimeToTheMinute) {
  folder.write("dated.txt", "x");
  std::filesystem::create_directory(folder.at("dated folder"));
  std::filesystem::create_symlink("dated.txt", folder.at("link.txt"));
  std::filesystem::create_symlink("nowhere", folder.at("dangling"));
  const struct {
    const char* name;
    int year, month, day, hour, minute, second;
    const char* expected;
  } cases[] = {
      // A link shows the time of what it points to, a dangling link its own.
      {"link.txt", 1999, 1, 1, 0, 0, 0, "2001/02/03 04:05"},
      {"dated.txt", 2001, 2, 3, 4, 5, 59, "2001/02/03 04:05"},
      {"dated folder", 2010, 12, 31, 23, 59, 0, "2010/12/31 23:59"},
      {"dangling", 1985, 7, 8, 9, 10, 11, "1985/07/08 09:10"},
  };
  for (const auto& c : cases) {
    setLastWrite(folder.at(c.name), c.year, c.month, c.day, c.hour, c.minute, c.second);
  }

  ASSERT_TRUE(list(folder.string()));
  auto entries = byCaption(fileList);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(entries[c.name].timeStamp, c.expected);
  }
}

// Size, icon and time of a name are read when its entry is first read, once.
TEST_F(ListFolderTest, DetailsAreReadWhenAnEntryIsFirstRead) {
  makeSparseFile(folder.at("GAME.ROM"), 0);
  makeSparseFile(folder.at("gone.dsk"), 2'000'000);
  ASSERT_TRUE(list(folder.string()));
  makeSparseFile(folder.at("GAME.ROM"), 200'000);
  std::filesystem::remove(folder.at("gone.dsk"));

  std::map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < fileList.count(); ++i) {
    index[fileList.entry(i).caption] = i;
  }
  const FileListEntry& game = fileList.entry(index["GAME.ROM"]);
  EXPECT_EQ(game.sizeText, "       196kB");
  EXPECT_EQ(game.iconIndex, 2);
  EXPECT_EQ(game.typeText, ".ROM");
  EXPECT_NE(game.timeStamp, "");
  makeSparseFile(folder.at("GAME.ROM"), 10);
  EXPECT_EQ(fileList.entries()[index["GAME.ROM"]].sizeText, "       196kB");

  // A name that went away after the listing stays listed as an empty file of unknown time.
  const FileListEntry& gone = fileList.entry(index["gone.dsk"]);
  EXPECT_EQ(gone.sizeText, "         0kB");
  EXPECT_EQ(gone.iconIndex, 8);
  EXPECT_EQ(gone.typeText, ".dsk");
  EXPECT_EQ(gone.timeStamp, "");
}

TEST_F(ListFolderTest, TheRootHasNoParentEntry) {
  ASSERT_EQ(list("/"), "/");
  EXPECT_EQ(fileList.parentEntry(), nullptr);
  for (const FileListEntry& entry : fileList.entries()) {
    EXPECT_NE(entry.caption, ".");
    EXPECT_EQ(entry.fullPath, "/" + entry.caption);
  }
}

TEST_F(ListFolderTest, PathsAreNormalised) {
  std::filesystem::create_directories(folder.at("a/b"));
  folder.write("a/file.txt");
  ASSERT_EQ(list(folder.at("a/b/..")), folder.at("a"));
  EXPECT_EQ(byCaption(fileList)["file.txt"].fullPath, folder.at("a/file.txt"));
  EXPECT_EQ(byCaption(fileList)[".."].fullPath, folder.at("a/.."));
}

TEST_F(ListFolderTest, LinksAreListedAsWhatTheyPointTo) {
  makeSparseFile(folder.at("real.rom"), 200'000);
  std::filesystem::create_directory(folder.at("realdir"));
  std::filesystem::create_symlink("real.rom", folder.at("link.rom"));
  std::filesystem::create_directory_symlink("realdir", folder.at("linkdir"));
  std::filesystem::create_symlink("nowhere.rom", folder.at("broken.rom"));

  ASSERT_TRUE(list(folder.string()));
  auto entries = byCaption(fileList);
  EXPECT_EQ(entries["link.rom"].iconIndex, 2);
  EXPECT_EQ(entries["link.rom"].sizeText, "       196kB");
  EXPECT_EQ(entries["linkdir"].iconIndex, 0);
  EXPECT_EQ(entries["linkdir"].sizeText, "");
  EXPECT_EQ(entries["linkdir"].fullPath, folder.at("linkdir"));
  EXPECT_EQ(entries["broken.rom"].iconIndex, 7);
  EXPECT_EQ(entries["broken.rom"].sizeText, "         0kB");
  EXPECT_EQ(entries["broken.rom"].typeText, ".rom");
  EXPECT_EQ(entries["broken.rom"].timeStamp.size(), 16u);
}

TEST_F(ListFolderTest, NamesThatAreNotTextKeepTheirBytesInTheFullPath) {
  const std::string sjis = "\x83Q\x81[\x83\x80.ROM";  // Shift-JIS bytes, not UTF-8
  const std::string control = "bell\a.dsk";
  folder.write(sjis, "x");
  folder.write(control, "y");

  ASSERT_TRUE(list(folder.string()));
  auto entries = byCaption(fileList);
  const FileListEntry& shown = entries[withControlsMarked(sjis)];
  EXPECT_EQ(shown.caption, "\xEF\xBF\xBDQ\xEF\xBF\xBD[\xEF\xBF\xBD\xEF\xBF\xBD.ROM");
  EXPECT_EQ(shown.fullPath, folder.string() + "/" + sjis);
  EXPECT_EQ(shown.typeText, ".ROM");
  EXPECT_EQ(shown.iconIndex, 7);
  EXPECT_TRUE(std::filesystem::exists(shown.fullPath));
  const FileListEntry& bell = entries["bell\xEF\xBF\xBD.dsk"];
  EXPECT_EQ(bell.fullPath, folder.at(control));
  EXPECT_EQ(bell.iconIndex, 8);
}

TEST_F(ListFolderTest, AFolderThatCannotBeReadLeavesTheListAsItWas) {
  folder.write("keep.txt");
  ASSERT_TRUE(list(folder.string()));
  fileList.setSelected(0, true);
  const auto before = fileList.entries();

  const std::string file = folder.write("plain.txt");
  for (const std::string& bad : {folder.at("missing"), file, std::string()}) {
    EXPECT_EQ(list(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(fileList.entries(), before);
  EXPECT_TRUE(fileList.isSelected(0));
  EXPECT_EQ(busy.depth, 0);
}

TEST_F(ListFolderTest, AFolderWithoutReadPermission) {
  std::filesystem::create_directory(folder.at("locked"));
  std::filesystem::permissions(folder.at("locked"), std::filesystem::perms::owner_exec |
                                                        std::filesystem::perms::others_exec);
  EXPECT_TRUE(
      testing::holdsWithoutRootRights([&] { return list(folder.at("locked")) == std::nullopt; }));
}

TEST_F(ListFolderTest, ANewListingDiscardsSelectionAndSortOrder) {
  for (const char* name : {"b", "a", "c"}) {
    folder.write(name);
  }
  ASSERT_TRUE(list(folder.string()));
  const auto enumerationOrder = fileList.entries();
  fileList.setSelected(1, true);
  fileList.setFocused(1);
  std::vector<std::size_t> reversed(fileList.count());
  for (std::size_t i = 0; i < reversed.size(); ++i) {
    reversed[i] = reversed.size() - 1 - i;
  }
  fileList.reorder(reversed);
  ASSERT_NE(fileList.entries(), enumerationOrder);

  ASSERT_TRUE(list(folder.string()));
  EXPECT_EQ(fileList.entries(), enumerationOrder);
  EXPECT_EQ(fileList.selectedCount(), 0u);
  EXPECT_EQ(fileList.focused(), nullptr);
}

}  // namespace
}  // namespace vorlent
