// SPDX-License-Identifier: GPL-3.0-or-later
// The trash at the top of a file system is used only where no other user can reach into it:
// "$top/.Trash" a real sticky folder with "$uid" below it a real folder of the user's, closed to
// others; else "$top/.Trash-$uid", checked the same way; else nothing is moved at all. Each
// case runs on a file system of its own, mounted for the test alone.

#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/posix/PosixTrash.h"
#include "support/FileState.h"
#include "support/HostileFiles.h"
#include "support/PrivateMounts.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

// What a user prepared at the top of the file system before the victim deletes a file.
enum class Prepared {
  Nothing,
  SharedTrash,               // .Trash, sticky, the administrator's
  SharedTrashOwnFolder,      // ... with $uid, the user's own, closed
  SharedTrashOthersFolder,   // ... with $uid made by another user
  SharedTrashOpenFolder,     // ... with $uid the user's own but open to all
  SharedTrashLinkedFolder,   // ... with $uid a link to a folder of the user's
  SharedTrashWithoutSticky,  // .Trash not sticky, with $uid the user's own
  SharedTrashLink,           // .Trash a link to a sticky folder with $uid the user's own
  OwnTrashOthers,            // .Trash-$uid made by another user
  OwnTrashOpen,              // .Trash-$uid the user's own but open to all
  OwnTrashLink,              // .Trash-$uid a link to a folder of the user's
};

void folderAt(const std::string& path, mode_t mode, uid_t owner) {
  if (::mkdir(path.c_str(), mode) != 0 || ::chmod(path.c_str(), mode) != 0 ||
      ::lchown(path.c_str(), owner, owner) != 0) {
    throw std::runtime_error("cannot prepare " + path);
  }
}

void prepare(const std::string& top, Prepared what) {
  const std::string uid = std::to_string(::getuid());
  const std::string shared = top + "/.Trash";
  const std::string own = shared + "/" + uid;
  switch (what) {
    case Prepared::Nothing:
      return;
    case Prepared::SharedTrash:
      return folderAt(shared, 01777, 0);
    case Prepared::SharedTrashOwnFolder:
      folderAt(shared, 01777, 0);
      return folderAt(own, 0700, ::getuid());
    case Prepared::SharedTrashOthersFolder:
      folderAt(shared, 01777, 0);
      folderAt(own, 0777, kNobody);
      folderAt(own + "/files", 0777, kNobody);
      return folderAt(own + "/info", 0777, kNobody);
    case Prepared::SharedTrashOpenFolder:
      folderAt(shared, 01777, 0);
      return folderAt(own, 0777, ::getuid());
    case Prepared::SharedTrashLinkedFolder:
      folderAt(shared, 01777, 0);
      folderAt(top + "/elsewhere", 0700, ::getuid());
      if (::symlink((top + "/elsewhere").c_str(), own.c_str()) != 0) throw std::runtime_error("");
      return;
    case Prepared::SharedTrashWithoutSticky:
      folderAt(shared, 0755, 0);
      return folderAt(own, 0700, ::getuid());
    case Prepared::SharedTrashLink:
      folderAt(top + "/sticky", 01777, 0);
      folderAt(top + "/sticky/" + uid, 0700, ::getuid());
      if (::symlink("sticky", shared.c_str()) != 0) throw std::runtime_error("");
      return;
    case Prepared::OwnTrashOthers:
      return folderAt(top + "/.Trash-" + uid, 0777, kNobody);
    case Prepared::OwnTrashOpen:
      return folderAt(top + "/.Trash-" + uid, 0777, ::getuid());
    case Prepared::OwnTrashLink:
      folderAt(top + "/elsewhere", 0700, ::getuid());
      if (::symlink("elsewhere", (top + "/.Trash-" + uid).c_str()) != 0) {
        throw std::runtime_error("");
      }
      return;
  }
}

// Where below the top the trashed file went, or "stayed" when it was not moved.
std::string whereItWent(const std::string& top, const std::string& name) {
  const std::string untouched = "file owner " + std::to_string(::getuid()) + ":" +
                                std::to_string(::getgid()) + " mode 384 bytes deleted bytes";
  for (const std::string& place :
       {".Trash/" + std::to_string(::getuid()), ".Trash-" + std::to_string(::getuid())}) {
    const std::string trashed = testing::fileState(top + "/" + place + "/files/" + name);
    if (trashed != "missing") {
      struct stat trash {};
      ::lstat((top + "/" + place).c_str(), &trash);
      const bool closed =
          S_ISDIR(trash.st_mode) && trash.st_uid == ::getuid() && (trash.st_mode & 077) == 0;
      const bool whole = trashed == untouched;
      return place + (closed ? "" : " (not closed to others)") + (whole ? "" : " (changed)");
    }
  }
  const std::string left = testing::fileState(top + "/" + name);
  if (left == "missing") return "lost";
  return left == untouched ? "stayed" : "stayed (changed)";
}

TEST(TrashPlaceTest, OnlyATrashNoOtherUserCanReachIsUsed) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "another user's folders need root to prepare";
  const std::string uid = std::to_string(::getuid());
  const struct {
    const char* name;
    Prepared prepared;
    std::string place;  // "stayed" when the file must not move
  } cases[] = {
      {"nothing there", Prepared::Nothing, ".Trash-" + uid},
      {"the administrator's .Trash", Prepared::SharedTrash, ".Trash/" + uid},
      {"the user's own $uid", Prepared::SharedTrashOwnFolder, ".Trash/" + uid},
      {"$uid made by another user", Prepared::SharedTrashOthersFolder, ".Trash-" + uid},
      {"$uid open to all", Prepared::SharedTrashOpenFolder, ".Trash-" + uid},
      {"$uid a link", Prepared::SharedTrashLinkedFolder, ".Trash-" + uid},
      {".Trash not sticky", Prepared::SharedTrashWithoutSticky, ".Trash-" + uid},
      {".Trash a link", Prepared::SharedTrashLink, ".Trash-" + uid},
      {".Trash-$uid made by another user", Prepared::OwnTrashOthers, "stayed"},
      {".Trash-$uid open to all", Prepared::OwnTrashOpen, "stayed"},
      {".Trash-$uid a link", Prepared::OwnTrashLink, "stayed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string top = folder.at("top");
    fs::create_directory(top);
    const testing::WatchedRun run = testing::runWithPrivateMounts({top}, [&]() -> std::string {
      // The home trash lies on another file system, so the top's trash is the one to use.
      ::setenv("XDG_DATA_HOME", folder.at("data").c_str(), 1);
      prepare(top, c.prepared);
      const std::string victim = top + "/victim.txt";
      if (!std::ofstream(victim).write("deleted bytes", 13)) return "cannot write the victim";
      ::chmod(victim.c_str(), 0600);
      const testing::TreeSnapshot before = testing::snapshotTree(top);
      const std::string error = moveToTrash(victim);
      const std::string place = whereItWent(top, "victim.txt");
      std::string report = place + (error.empty() ? "" : " with an error");
      if (place == "stayed") {
        // Nothing at all may have changed then.
        if (!testing::changedPaths(before, testing::snapshotTree(top)).empty())
          report += ", changed";
      }
      return report;
    });
    if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
      GTEST_SKIP() << run.problem;
    }
    ASSERT_TRUE(run.finished) << run.problem;
    EXPECT_EQ(run.report, c.place == "stayed" ? "stayed with an error" : c.place);
  }
}

// The home trash is used only when it and its files/ and info/ are the user's and closed; a file
// on a bind mount goes to the trash of its own mount; a mount point is refused, and nothing is
// made where nothing moves.
TEST(TrashPlaceTest, TheHomeTrashIsCheckedAndEachMountHasItsOwn) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "another user's folders need root to prepare";
  const std::string uid = std::to_string(::getuid());
  const std::string refusal = std::string(kNoTrustedTrash);
  const struct {
    const char* name;
    std::string victim;  // below the top
    std::string expected;
  } cases[] = {
      {"a home trash as the user keeps it", "victim.txt", "data/Trash/files/victim.txt"},
      {"a home trash whose files/ another user opened", "victim.txt", "refused"},
      {"a file on a bind mount", "bind/victim.txt", "sub/.Trash-" + uid + "/files/victim.txt"},
      {"a mount point", "mnt", "refused"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string top = folder.at("top");
    fs::create_directory(top);
    const testing::WatchedRun run = testing::runWithPrivateMounts({top}, [&]() -> std::string {
      ::setenv("XDG_DATA_HOME", (top + "/data").c_str(), 1);
      folderAt(top + "/data", 0700, ::getuid());
      folderAt(top + "/data/Trash", 0700, ::getuid());
      folderAt(top + "/data/Trash/files", 0700, ::getuid());
      folderAt(top + "/data/Trash/info", 0700, ::getuid());
      if (c.name == std::string("a home trash whose files/ another user opened")) {
        ::lchown((top + "/data/Trash/files").c_str(), kNobody, kNobody);
        ::chmod((top + "/data/Trash/files").c_str(), 0777);
      }
      fs::create_directories(top + "/sub");
      fs::create_directories(top + "/bind");
      fs::create_directories(top + "/mnt");
      if (::mount((top + "/sub").c_str(), (top + "/bind").c_str(), nullptr, MS_BIND, nullptr) !=
              0 ||
          ::mount("vorlent-test", (top + "/mnt").c_str(), "tmpfs", 0, "size=1m") != 0) {
        return std::string("cannot mount below the top");
      }
      if (c.victim != "mnt" && !std::ofstream(top + "/" + c.victim).write("deleted bytes", 13)) {
        return std::string("cannot write the victim");
      }
      const testing::TreeSnapshot before = testing::snapshotTree(top);
      const std::string error = moveToTrash(top + "/" + c.victim);
      std::vector<std::string> changed = testing::changedPaths(before, testing::snapshotTree(top));
      if (!error.empty()) {
        const bool worded = error == top + "/" + c.victim + " をごみ箱に移動できません: " + refusal;
        return std::string(worded ? "refused" : error) + (changed.empty() ? "" : ", changed");
      }
      return fs::exists(top + "/" + c.expected) ? c.expected : "moved elsewhere";
    });
    if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
      GTEST_SKIP() << run.problem;
    }
    ASSERT_TRUE(run.finished) << run.problem;
    EXPECT_EQ(run.report, c.expected);
  }
}

// Without HOME the home trash is in the home the password database names.
TEST(TrashPlaceTest, WithoutHomeTheHomeTrashIsInTheUsersHome) {
  const testing::WatchedRun run = testing::runWatched(
      [] {
        ::unsetenv("HOME");
        ::unsetenv("XDG_DATA_HOME");
        const passwd* user = ::getpwuid(::getuid());
        const std::string expected =
            user != nullptr ? std::string(user->pw_dir) + "/.local/share/Trash" : "none";
        const std::optional<std::string> trash = homeTrashFolder();
        return trash.value_or("none") + " / " + expected;
      },
      10);
  ASSERT_TRUE(run.finished) << run.problem;
  const std::string got = run.report.substr(0, run.report.find(" / "));
  const std::string expected = run.report.substr(run.report.find(" / ") + 3);
  EXPECT_EQ(got, expected);
  EXPECT_NE(got, "/.local/share/Trash");
}

}  // namespace
}  // namespace vorlent
