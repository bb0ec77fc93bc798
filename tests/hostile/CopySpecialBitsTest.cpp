// SPDX-License-Identifier: GPL-3.0-or-later
// A copy belongs to whoever made it, so it must not keep the bits that act on behalf of the
// original's owner or group: a copy made by root of another user's setuid program would be a
// setuid-root program.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/ShellFileOperation.h"
#include "support/FileState.h"
#include "support/HostileFiles.h"
#include "support/ScriptedProgress.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::fileState;
using testing::ScriptedProgress;
using testing::TempFolder;

mode_t modeOf(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

TEST(CopySpecialBitsTest, ACopyDropsSetuidSetgidAndSticky) {
  const struct {
    const char* name;
    bool folder;
    mode_t mode;
    mode_t expected;
  } cases[] = {
      {"setuid program", false, 04755, 0755}, {"setgid program", false, 02755, 0755},
      {"sticky file", false, 01644, 0644},    {"every bit", false, 07777, 0777},
      {"plain file", false, 0640, 0640},      {"sticky folder", true, 01777, 0777},
      {"setgid folder", true, 02750, 0750},   {"closed folder", true, 0500, 0700},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string source = folder.at(std::string("src/") + c.name);
    if (c.folder) {
      folder.write(std::string("src/") + c.name + "/inside", "inner bytes");
    } else {
      folder.write(std::string("src/") + c.name, "program bytes");
    }
    folder.write("dst/.keep");
    ASSERT_EQ(::chmod(source.c_str(), c.mode), 0);
    // As root the original is another user's, as in the attack; the bits must go either way.
    if (testing::runningAsRoot()) {
      ASSERT_TRUE(testing::giveToNobody(source));
      ASSERT_EQ(::chmod(source.c_str(), c.mode), 0);  // chown clears setuid and setgid
    }
    const std::string sourceBefore = fileState(source);
    const testing::TreeSnapshot sourcesBefore = testing::snapshotTree(folder.at("src"));

    ScriptedProgress progress;
    progress.trashAnswer = false;
    ShellFileRequest request;
    request.kind = ShellOperationKind::Copy;
    request.sources = {source};
    request.destination = folder.at("dst");
    {
      const testing::Watchdog watchdog("the copy");
      makeShellFileOperation()->run(request, progress);
    }

    EXPECT_EQ(progress.errors, std::vector<std::string>{});
    const std::string copy = folder.at(std::string("dst/") + c.name);
    // A new folder is made as mkdir makes it, under the process's mask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(copy), c.folder ? c.expected & ~mask : c.expected);
    EXPECT_EQ(fileState(source), sourceBefore);
    EXPECT_TRUE(
        testing::changedPaths(sourcesBefore, testing::snapshotTree(folder.at("src"))).empty());
    if (c.folder) {
      EXPECT_EQ(folder.read(std::string("dst/") + c.name + "/inside"), "inner bytes");
      ::chmod(source.c_str(), 0700);
    } else {
      EXPECT_EQ(folder.read(std::string("dst/") + c.name), "program bytes");
    }
  }
}

}  // namespace
}  // namespace vorlent
