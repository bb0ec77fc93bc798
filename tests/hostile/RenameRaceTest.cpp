// SPDX-License-Identifier: GPL-3.0-or-later
// A rename never replaces what is at its target, also when the target appears between any
// check and the rename itself.

#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/FileChanges.h"
#include "platform/posix/RenameWithoutReplacing.h"
#include "support/FileState.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::fileState;
using testing::TempFolder;

TEST(RenameRaceTest, TheTargetIsNeverReplaced) {
  enum class Target { Free, File, DanglingLink, AppearsBeforeTheRename };
  const struct {
    const char* name;
    Target target;
    bool flagRefused;
    bool renamed;
  } cases[] = {
      {"free name", Target::Free, false, true},
      {"a file there", Target::File, false, false},
      {"a dangling link there", Target::DanglingLink, false, false},
      {"a file made just before the rename", Target::AppearsBeforeTheRename, false, false},
      {"free name, flag refused", Target::Free, true, true},
      {"a file there, flag refused", Target::File, true, false},
      {"a dangling link there, flag refused", Target::DanglingLink, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string from = folder.write("list/old.rom", "renamed bytes");
    const std::string to = folder.at("list/new.rom");
    const std::string outside = folder.at("outside/victim.txt");
    folder.write("outside/.keep");
    RenameSteps steps;
    steps.flagRefused = c.flagRefused;
    switch (c.target) {
      case Target::Free:
        break;
      case Target::File:
        folder.write("list/new.rom", "victim bytes");
        break;
      case Target::DanglingLink:
        ASSERT_EQ(::symlink(outside.c_str(), to.c_str()), 0);
        break;
      case Target::AppearsBeforeTheRename:
        steps.beforeRename = [&] { folder.write("list/new.rom", "victim bytes"); };
        break;
    }
    const std::string targetBefore = fileState(to);
    const testing::TreeSnapshot outsideBefore = testing::snapshotTree(folder.at("outside"));

    bool renamed = false;
    int error = 0;
    {
      const testing::Watchdog watchdog("the rename");
      renamed = renameWithoutReplacing(from, to, steps);
      error = errno;
    }

    EXPECT_EQ(renamed, c.renamed);
    EXPECT_TRUE(
        testing::changedPaths(outsideBefore, testing::snapshotTree(folder.at("outside"))).empty());
    if (c.renamed) {
      EXPECT_EQ(folder.read("list/new.rom"), "renamed bytes");
      EXPECT_EQ(fileState(from), "missing");
    } else {
      EXPECT_EQ(error, EEXIST);
      EXPECT_EQ(folder.read("list/old.rom"), "renamed bytes");
      if (c.target == Target::AppearsBeforeTheRename) {
        EXPECT_EQ(folder.read("list/new.rom"), "victim bytes");
      } else {
        EXPECT_EQ(fileState(to), targetBefore);
      }
    }
  }
}

// The program's own rename, through the system's call as it is.
TEST(RenameRaceTest, TheFileChangesRenameRefusesATakenName) {
  TempFolder folder;
  const std::string from = folder.write("a.dsk", "a");
  const std::string to = folder.write("b.dsk", "b");
  const std::string before = fileState(to);
  const auto changes = makeFileChanges();
  EXPECT_FALSE(changes->rename(from, to));
  EXPECT_EQ(fileState(to), before);
  EXPECT_TRUE(changes->rename(from, folder.at("c.dsk")));
  EXPECT_EQ(folder.read("c.dsk"), "a");
}

}  // namespace
}  // namespace vorlent
