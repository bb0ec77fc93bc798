// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/Drives.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

TEST(PosixDrivesTest, TheRootIsTheFirstDrive) {
  const auto drives = makeDrives()->list();
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front().letter, 'a');
  EXPECT_EQ(drives.front().root, "/");
  EXPECT_LE(drives.size(), 26u);
  for (std::size_t i = 0; i < drives.size(); ++i) {
    EXPECT_EQ(drives[i].letter, static_cast<char>('a' + i));
    EXPECT_FALSE(drives[i].root.starts_with("/proc")) << drives[i].root;
    EXPECT_FALSE(drives[i].root.starts_with("/sys")) << drives[i].root;
  }
}

TEST(PosixDrivesTest, SpaceOfAFolderAndOfNothing) {
  testing::TempFolder folder;
  const DriveSpace space = makeDrives()->space(folder.string());
  EXPECT_GT(space.totalBytes, 0);
  EXPECT_GE(space.freeBytes, 0);
  EXPECT_LE(space.freeBytes, space.totalBytes);
  for (const char* bad : {"", "/no/such/folder/anywhere"}) {
    const DriveSpace none = makeDrives()->space(bad);
    EXPECT_EQ(none.totalBytes, -1) << bad;
    EXPECT_EQ(none.freeBytes, -1) << bad;
  }
}

}  // namespace
}  // namespace vorlent
