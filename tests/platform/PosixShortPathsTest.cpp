// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/ShortPaths.h"
#include "platform/StartTestSupport.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

class PosixShortPathsTest : public ::testing::Test {
 protected:
  testing::TempFolder root;
  testing::TempFolder home;
  testing::ScopedVariable privateHome{"HOME", home.string()};
  testing::ScopedVariable noDataHome{"XDG_DATA_HOME", std::nullopt};
  std::unique_ptr<ShortPaths> shortPaths = makeShortPaths();
};

TEST_F(PosixShortPathsTest, APathWithoutBlanksIsItsOwnShortForm) {
  const std::string plain = root.write("games/A.ROM");
  EXPECT_EQ(shortPaths->shortForm(plain), plain);
  EXPECT_EQ(shortPaths->shortForm(root.at("games")), root.at("games"));
  EXPECT_FALSE(fs::exists(home.path() / ".local/share/vorlent/short"));
}

TEST_F(PosixShortPathsTest, NoShortFormForMissingOrRelativePaths) {
  EXPECT_EQ(shortPaths->shortForm(root.at("missing.rom")), std::nullopt);
  EXPECT_EQ(shortPaths->shortForm(root.at("no such/file.rom")), std::nullopt);
  EXPECT_EQ(shortPaths->shortForm("games/A.ROM"), std::nullopt);
  EXPECT_EQ(shortPaths->shortForm(""), std::nullopt);
}

TEST_F(PosixShortPathsTest, BlanksAreReplacedByAStableAliasThatReachesTheFile) {
  struct Case {
    const char* name;
    const char* aliasName;  // the alias's last part: the file's own name, each blank made "_"
  };
  const Case cases[] = {
      {"My Games/BRMSX.EXE", "/BRMSX.EXE"},
      {"My Games/Metal Gear (1987).rom", "/Metal_Gear_(1987).rom"},
      {"My Games/Tab\tName.CAS", "/Tab_Name.CAS"},
      {"My Games/odd.e x", "/odd.e_x"},
      {"Other Games/Metal Gear (1987).rom", "/Metal_Gear_(1987).rom"},
      {"Other Games/Metal_Gear (1987).rom", "/Metal_Gear_(1987).rom"},
  };
  for (const Case& c : cases) {
    const std::string full = root.write(c.name, c.name);
    const std::optional<std::string> alias = shortPaths->shortForm(full);
    ASSERT_TRUE(alias) << c.name;
    EXPECT_EQ(alias->find_first_of(" \t"), std::string::npos) << *alias;
    EXPECT_EQ(alias->rfind(home.string() + "/.local/share/vorlent/short/", 0), 0u) << *alias;
    EXPECT_TRUE(alias->ends_with(c.aliasName)) << *alias;
    EXPECT_TRUE(fs::equivalent(*alias, full)) << c.name;
    // Another session gets the same alias, already in place.
    EXPECT_EQ(makeShortPaths()->shortForm(full), alias);
  }
  // Each original file has a folder of its own: like names never meet.
  std::set<std::string> aliases;
  for (const Case& c : cases) {
    aliases.insert(shortPaths->shortForm(root.at(c.name)).value());
  }
  EXPECT_EQ(aliases.size(), std::size(cases));
}

TEST_F(PosixShortPathsTest, WritesThroughTheAliasReachTheRealFile) {
  const std::string disk = root.write("Disk Images/Game Disk.dsk", "before");
  const std::string alias = shortPaths->shortForm(disk).value();
  { std::ofstream(alias, std::ios::binary | std::ios::trunc) << "after"; }
  EXPECT_EQ(root.read("Disk Images/Game Disk.dsk"), "after");
}

TEST_F(PosixShortPathsTest, AliasFolderFallsBackWhenHomeHoldsABlank) {
  testing::TempFolder blankHome;
  fs::create_directories(blankHome.path() / "with blank");
  const testing::ScopedVariable homeWithBlank("HOME", (blankHome.path() / "with blank").string());
  const std::string full = root.write("A Folder/b c.rom");
  const std::optional<std::string> alias = shortPaths->shortForm(full);
  ASSERT_TRUE(alias);
  EXPECT_EQ(alias->find(' '), std::string::npos) << *alias;
  EXPECT_TRUE(fs::equivalent(*alias, full));
  fs::remove(*alias);
}

}  // namespace
}  // namespace vorlent
