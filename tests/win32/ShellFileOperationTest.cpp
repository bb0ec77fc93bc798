// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellFileOperation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/FileSystem.h"
#include "support/ScriptedProgress.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

class Win32ShellFileOperationTest : public ::testing::Test {
 protected:
  void run(ShellOperationKind kind, std::vector<std::string> sources, std::string destination) {
    testing::ScriptedProgress progress;
    makeShellFileOperation()->run({kind, std::move(sources), std::move(destination), false},
                                  progress);
    EXPECT_EQ(progress.finishedCount, 1);
  }

  testing::TempFolder folder;
  std::unique_ptr<FileSystem> files = makeFileSystem();
};

TEST_F(Win32ShellFileOperationTest, CopiesSeveralFilesAndAFolderWithBlanks) {
  const std::string a = folder.write("a.rom", "AAAA");
  const std::string b = folder.write("with blank.dsk", "BB");
  folder.write("sub folder\\inner.cas", "C");
  const std::string target = folder.at("target");
  ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));

  run(ShellOperationKind::Copy, {a, b, folder.at("sub folder")}, target);

  EXPECT_EQ(files->readRegularFile(target + "\\a.rom", SIZE_MAX), "AAAA");
  EXPECT_EQ(files->readRegularFile(target + "\\with blank.dsk", SIZE_MAX), "BB");
  EXPECT_EQ(files->readRegularFile(target + "\\sub folder\\inner.cas", SIZE_MAX), "C");
  EXPECT_TRUE(files->fileExists(a));
  EXPECT_TRUE(files->fileExists(b));
}

TEST_F(Win32ShellFileOperationTest, MovesAFileAndAFolderWithBlanks) {
  const std::string a = folder.write("a.rom", "AAAA");
  folder.write("old folder\\x.dsk", "X");
  const std::string target = folder.at("target");
  ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));

  run(ShellOperationKind::Move, {a}, target);
  run(ShellOperationKind::Move, {folder.at("old folder")}, target);

  EXPECT_EQ(files->readRegularFile(target + "\\a.rom", SIZE_MAX), "AAAA");
  EXPECT_EQ(files->readRegularFile(target + "\\old folder\\x.dsk", SIZE_MAX), "X");
  EXPECT_FALSE(files->fileExists(a));
  EXPECT_FALSE(files->folderExists(folder.at("old folder")));
}

TEST_F(Win32ShellFileOperationTest, MovesSeveralFilesInOneRequest) {
  if (testing::runningUnderWine()) {
    GTEST_SKIP() << "Wine 8 cancels a move of several sources (ERROR_CANCELLED)";
  }
  const std::string a = folder.write("a.rom", "AAAA");
  const std::string b = folder.write("b.rom", "B");
  const std::string target = folder.at("target");
  ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));

  run(ShellOperationKind::Move, {a, b}, target);

  EXPECT_EQ(files->readRegularFile(target + "\\a.rom", SIZE_MAX), "AAAA");
  EXPECT_EQ(files->readRegularFile(target + "\\b.rom", SIZE_MAX), "B");
  EXPECT_FALSE(files->fileExists(a));
  EXPECT_FALSE(files->fileExists(b));
}

// The shell asks before it sends anything to the recycle bin; a headless Wine cannot show the
// question and takes it as "no".
TEST_F(Win32ShellFileOperationTest, DeletesFilesAndFolders) {
  if (testing::runningUnderWine()) {
    GTEST_SKIP() << "the recycle bin confirmation cannot be answered in a headless Wine";
  }
  const std::string a = folder.write("a.rom", "AAAA");
  const std::string kept = folder.write("kept.rom", "K");
  folder.write("old folder\\x.dsk", "X");

  run(ShellOperationKind::Delete, {a, folder.at("old folder")}, "");

  EXPECT_FALSE(files->fileExists(a));
  EXPECT_FALSE(files->folderExists(folder.at("old folder")));
  EXPECT_TRUE(files->fileExists(kept));
}

}  // namespace
}  // namespace vorlent
