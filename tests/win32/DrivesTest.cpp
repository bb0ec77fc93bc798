// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Drives.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorlent {
namespace {

TEST(Win32DrivesTest, ListsEveryLetterWithItsTypeAndCIsFixed) {
  const std::vector<Drive> drives = makeDrives()->list();
  ASSERT_EQ(drives.size(), 26u);
  for (std::size_t i = 0; i < drives.size(); ++i) {
    EXPECT_EQ(drives[i].letter, static_cast<char>('a' + i));
    EXPECT_EQ(drives[i].root, std::string(1, static_cast<char>('A' + i)) + ":\\");
  }
  EXPECT_EQ(drives[2].type, DriveType::Fixed);
}

TEST(Win32DrivesTest, SpaceOfAFixedDriveAndOfAMissingOne) {
  const auto drives = makeDrives();
  const DriveSpace c = drives->space("C:\\");
  EXPECT_GT(c.totalBytes, 0);
  EXPECT_GE(c.freeBytes, 0);
  EXPECT_LE(c.freeBytes, c.totalBytes);

  const std::vector<Drive> all = drives->list();
  const auto missing = std::find_if(all.begin(), all.end(), [](const Drive& drive) {
    return drive.type == DriveType::NoRootFolder;
  });
  ASSERT_NE(missing, all.end());
  const DriveSpace none = drives->space(missing->root);
  EXPECT_EQ(none.totalBytes, -1);
  EXPECT_EQ(none.freeBytes, -1);
}

}  // namespace
}  // namespace vorlent
