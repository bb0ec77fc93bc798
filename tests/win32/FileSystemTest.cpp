// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/Failure.h"
#include "platform/FileChanges.h"
#include "platform/FileNameMatcher.h"
#include "platform/FileSystem.h"
#include "platform/FolderEnumerator.h"
#include "platform/ProgramFolder.h"
#include "platform/ReadStreams.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

const FolderItem* itemNamed(const FolderContents& contents, std::string_view name) {
  const auto found = std::find_if(contents.items.begin(), contents.items.end(),
                                  [&](const FolderItem& item) { return item.name == name; });
  return found == contents.items.end() ? nullptr : &*found;
}

TEST(Win32FolderEnumeratorTest, ListsNamesWithKindSizeAndDotDot) {
  const testing::TempFolder folder;
  folder.write("GAME.ROM", std::string(70000, 'x'));
  folder.write("sub\\inner.dsk", "d");
  const auto contents = makeFolderEnumerator()->enumerate(folder.string() + "\\sub\\..");
  ASSERT_TRUE(contents.has_value());
  EXPECT_EQ(contents->folderPath, folder.string());
  ASSERT_EQ(contents->items.size(), 3u);
  EXPECT_EQ(itemNamed(*contents, "."), nullptr);
  ASSERT_NE(itemNamed(*contents, ".."), nullptr);
  ASSERT_NE(itemNamed(*contents, "GAME.ROM"), nullptr);
  EXPECT_EQ(itemNamed(*contents, "GAME.ROM")->details->sizeInBytes, 70000u);
  EXPECT_FALSE(itemNamed(*contents, "GAME.ROM")->isFolder);
  EXPECT_GE(itemNamed(*contents, "GAME.ROM")->details->lastWrite.year, 2020);
  ASSERT_NE(itemNamed(*contents, "sub"), nullptr);
  EXPECT_TRUE(itemNamed(*contents, "sub")->isFolder);
  EXPECT_EQ(itemNamed(*contents, "sub")->details->sizeInBytes, 0u);
}

TEST(Win32FolderEnumeratorTest, ADriveRootHasNoDotDotAndAMissingFolderNothing) {
  const auto enumerator = makeFolderEnumerator();
  const auto root = enumerator->enumerate("C:\\");
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(root->folderPath, "C:\\");
  EXPECT_EQ(itemNamed(*root, ".."), nullptr);
  const testing::TempFolder folder;
  EXPECT_EQ(enumerator->enumerate(folder.at("missing")), std::nullopt);
  EXPECT_EQ(enumerator->enumerate(folder.write("file.txt")), std::nullopt);
}

TEST(Win32FolderEnumeratorTest, AJapaneseNameComesBackAsUtf8) {
  VORLENT_NEED_SHIFT_JIS();
  const testing::TempFolder folder;
  const std::string japanese(testing::kJapaneseName);
  const std::string listed = folder.string() + "\\" + japanese;
  ASSERT_TRUE(makeFileChanges()->createFolders(listed + "\\" + japanese));
  makeFileSystem()->writeFile(listed + "\\" + japanese + ".rom", "r");
  const auto contents = makeFolderEnumerator()->enumerate(listed);
  ASSERT_TRUE(contents.has_value());
  EXPECT_EQ(contents->folderPath, listed);
  ASSERT_NE(itemNamed(*contents, japanese), nullptr);
  EXPECT_TRUE(itemNamed(*contents, japanese)->isFolder);
  ASSERT_NE(itemNamed(*contents, japanese + ".rom"), nullptr);
  EXPECT_EQ(itemNamed(*contents, japanese + ".rom")->details->sizeInBytes, 1u);
}

TEST(Win32FileNameMatcherTest, GivesTheNameAsStored) {
  const testing::TempFolder folder;
  folder.write("FMSX-DOS.EXE");
  folder.write("sub\\x");
  const auto matcher = makeFileNameMatcher();
  EXPECT_EQ(matcher->existingFile(folder.at("fmsx-dos.exe")), folder.at("FMSX-DOS.EXE"));
  EXPECT_EQ(matcher->existingFile(folder.string() + "/Fmsx-Dos.Exe"),
            folder.string() + "/FMSX-DOS.EXE");
  EXPECT_EQ(matcher->existingFile(folder.at("sub")), std::nullopt);
  EXPECT_EQ(matcher->existingFile(folder.at("brmsx.exe")), std::nullopt);
  EXPECT_EQ(matcher->existingFile(folder.at("*.EXE")), std::nullopt);
}

TEST(Win32FileChangesTest, FoldersRenamesAndSizes) {
  const testing::TempFolder folder;
  const auto changes = makeFileChanges();
  EXPECT_TRUE(changes->createFolders(folder.at("a\\b\\c")));
  EXPECT_TRUE(makeFileSystem()->folderExists(folder.at("a\\b\\c")));
  EXPECT_FALSE(changes->createFolders(folder.at("a\\b\\c")));

  const std::string from = folder.write("old.rom", "12345");
  const std::string taken = folder.write("taken.rom", "t");
  EXPECT_FALSE(changes->rename(from, taken));
  EXPECT_EQ(folder.read("taken.rom"), "t");
  EXPECT_TRUE(changes->rename(from, folder.at("new name.rom")));
  EXPECT_EQ(changes->fileSize(folder.at("new name.rom")), 5u);
  EXPECT_EQ(changes->fileSize(folder.at("old.rom")), std::nullopt);
  EXPECT_EQ(changes->fileSize(folder.at("a")), std::nullopt);
}

TEST(Win32AtomicFileTest, ReplacesWholeOrLeavesTheTarget) {
  const testing::TempFolder folder;
  const std::string target = folder.write("Vorlent.ini", "old");
  const auto atomicFiles = makeAtomicFiles();
  {
    const auto abandoned = atomicFiles->create(target);
    abandoned->write("never committed");
  }
  EXPECT_EQ(folder.read("Vorlent.ini"), "old");
  const auto file = atomicFiles->create(target);
  file->write("new\r\n");
  file->write("lines\r\n");
  file->commit();
  EXPECT_EQ(folder.read("Vorlent.ini"), "new\r\nlines\r\n");
  std::size_t names = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++names;
  }
  EXPECT_EQ(names, 1u);
}

TEST(Win32ReadStreamsTest, ReadsPieceByPieceAndRefusesAFolder) {
  const testing::TempFolder folder;
  const std::string path = folder.write("join.part", "abcdefg");
  const auto stream = makeReadStreams()->open(path);
  char buffer[4];
  std::string read;
  for (std::size_t got; (got = stream->read(buffer, sizeof buffer)) != 0;) read.append(buffer, got);
  EXPECT_EQ(read, "abcdefg");
  EXPECT_THROW(makeReadStreams()->open(folder.string()), Failure);
  EXPECT_THROW(makeReadStreams()->open(folder.at("missing")), Failure);
}

TEST(Win32CurrentFolderTest, SetsAndGetsAndKeepsTheFolderOnFailure) {
  const testing::TempFolder folder;
  const testing::CurrentFolderGuard restore;
  const auto current = makeCurrentFolder();
  ASSERT_TRUE(current->set(folder.string()));
  EXPECT_EQ(current->get(), folder.string());
  EXPECT_FALSE(current->set(folder.at("missing")));
  EXPECT_FALSE(current->set(""));
  EXPECT_EQ(current->get(), folder.string());
}

TEST(Win32ProgramFolderTest, IsTheTestExecutablesFolderWithADelimiter) {
  const std::string folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  char module[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, module, MAX_PATH);
  EXPECT_EQ(std::string(module).rfind(folder, 0), 0u);
  EXPECT_EQ(std::string(module).find('\\', folder.size()), std::string::npos);
}

}  // namespace
}  // namespace vorlent
