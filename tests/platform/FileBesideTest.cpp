// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/FileBeside.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/TempFolder.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

// The temporary file of a save and the part file of a copy: where they are made, what they are
// called, and that they never remove a file they did not make.
TEST(FileBesideTest, MadeBesideTheTargetPlacedOverItOrRemovedAndNothingElseTouched) {
  struct Case {
    const char* label;
    FileBeside::Naming naming;
    std::string targetName;
    const char* mark;
    bool hidden;
    bool someoneHasTheFirstName;
    bool placed;
  };
  const std::string longest(255, 'x');
  const Case cases[] = {
      {"save", FileBeside::Naming::Temporary, "Vorlent.ini", ".tmp", false, false, true},
      {"save abandoned", FileBeside::Naming::Temporary, "Vorlent.ini", ".tmp", false, false, false},
      {"copy", FileBeside::Naming::HiddenPart, "A.ROM", ".part", true, false, true},
      {"copy stopped", FileBeside::Naming::HiddenPart, "A.ROM", ".part", true, false, false},
      {"first name taken", FileBeside::Naming::HiddenPart, "A.ROM", ".part", true, true, false},
      {"first name taken, save", FileBeside::Naming::Temporary, "-rf $(x);.ini", ".tmp", false,
       true, true},
      {"longest name", FileBeside::Naming::HiddenPart, longest, ".part", true, false, true},
      {"longest name, save", FileBeside::Naming::Temporary, longest, ".tmp", false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const testing::TempFolder folder;
    const std::string target = folder.write(c.targetName, "old");
    std::set<std::string> expected = {c.targetName};
    std::string foreignName;
    {
      FileBeside beside(target, c.naming);
      const fs::path first = beside.path();
      EXPECT_EQ(first.parent_path(), folder.path());
      const std::string name = first.filename().string();
      EXPECT_LE(name.size(), 255U);
      EXPECT_EQ(name.front() == '.', c.hidden);
      EXPECT_NE(name.find(c.mark + std::to_string(::getpid()) + "-"), std::string::npos);
      if (c.someoneHasTheFirstName) {
        foreignName = name;
        folder.write(foreignName, "not ours");
        expected.insert(foreignName);
      }
      FileDescriptor file = beside.createFile(0600);
      ASSERT_TRUE(file.isOpen());
      EXPECT_EQ(beside.path() == first.string(), !c.someoneHasTheFirstName);
      EXPECT_EQ(fs::path(beside.path()).parent_path(), folder.path());
      ASSERT_EQ(::write(file.get(), "new", 3), 3);
      ASSERT_EQ(file.close(), 0);
      if (c.placed) {
        ASSERT_TRUE(beside.placeAt(target));
      }
    }
    EXPECT_EQ(testing::namesIn(folder.path()), expected);
    EXPECT_EQ(folder.read(c.targetName), c.placed ? "new" : "old");
    if (!foreignName.empty()) {
      EXPECT_EQ(folder.read(foreignName), "not ours");
    }
  }
}

TEST(FileBesideTest, NothingIsRemovedWhenNoFileCouldBeMade) {
  const testing::TempFolder folder;
  {
    const std::string target = folder.at("missing folder/A.ROM");
    FileBeside beside(target, FileBeside::Naming::HiddenPart);
    EXPECT_FALSE(beside.createFile(0600).isOpen());
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(beside.createLink("anything"));
    EXPECT_FALSE(beside.placeAt(target));
  }
  EXPECT_TRUE(testing::namesIn(folder.path()).empty());
  // A link's name that someone else holds is refused, and that file stays.
  const std::string target = folder.write("A.ROM", "old");
  std::string foreignName;
  {
    FileBeside beside(target, FileBeside::Naming::HiddenPart);
    foreignName = fs::path(beside.path()).filename().string();
    folder.write(foreignName, "not ours");
    EXPECT_FALSE(beside.createLink("anything"));
    EXPECT_EQ(errno, EEXIST);
  }
  EXPECT_EQ(testing::namesIn(folder.path()), (std::set<std::string>{"A.ROM", foreignName}));
  EXPECT_EQ(folder.read(foreignName), "not ours");
}

}  // namespace
}  // namespace vorlent
