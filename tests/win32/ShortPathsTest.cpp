// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShortPaths.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

TEST(Win32ShortPathsTest, LongNamesWithBlanksGetABlankFreeFormThatOpensTheFile) {
  const testing::TempFolder folder;
  const auto files = makeFileSystem();
  const auto shortPaths = makeShortPaths();
  for (const char* name :
       {"Long name with blanks.rom", "folder with blanks\\GAME.DSK", "a b\\c d\\tape image.cas"}) {
    const std::string content = std::string("content of ") + name;
    const std::string path = folder.write(name, content);
    const std::optional<std::string> shortPath = shortPaths->shortForm(path);
    ASSERT_TRUE(shortPath.has_value()) << path;
    EXPECT_EQ(shortPath->find(' '), std::string::npos) << *shortPath;
    EXPECT_EQ(files->readRegularFile(*shortPath, SIZE_MAX), content) << *shortPath;
  }
}

TEST(Win32ShortPathsTest, AMissingFileHasNoShortForm) {
  const testing::TempFolder folder;
  EXPECT_EQ(makeShortPaths()->shortForm(folder.at("no such file.rom")), std::nullopt);
  EXPECT_EQ(makeShortPaths()->shortForm(""), std::nullopt);
}

}  // namespace
}  // namespace vorlent
