// SPDX-License-Identifier: GPL-3.0-or-later
// The folders the program falls back on under /tmp and /var/tmp (the DOSBox staging folder,
// the blank-free aliases when the home takes none) are used only when no other user can have
// prepared or swap any part of them; otherwise the start or the alias is refused, a start with
// the reason on the failure box's second line. Each case runs with a /tmp and a /var/tmp of its
// own, mounted for the test alone.

#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "launch/EmulatorStart.h"
#include "launch/FmsxCommand.h"
#include "platform/CurrentFolder.h"
#include "platform/ProcessStarter.h"
#include "platform/ShortPaths.h"
#include "platform/StartTestSupport.h"
#include "platform/SystemTextCodec.h"
#include "platform/posix/PosixTrash.h"
#include "settings/ConfigText.h"
#include "support/FileState.h"
#include "support/HostileFiles.h"
#include "support/PrivateMounts.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

enum class Prepared { Nothing, OthersFolder, OpenOwnFolder, LinkToOthersFolder, OthersInside };

// What another user left at the folder's place, or at the folder above it (`parent`).
void prepare(const std::string& parent, const std::string& folder, Prepared what) {
  const auto made = [](const std::string& path, mode_t mode, uid_t owner) {
    if (::mkdir(path.c_str(), mode) != 0 || ::chmod(path.c_str(), mode) != 0 ||
        ::lchown(path.c_str(), owner, owner) != 0) {
      throw std::runtime_error("cannot prepare " + path);
    }
  };
  switch (what) {
    case Prepared::Nothing:
      return;
    case Prepared::OthersFolder:
      return made(parent, 0777, kNobody);
    case Prepared::OpenOwnFolder:
      return made(parent, 0777, ::getuid());
    case Prepared::LinkToOthersFolder:
      made("/tmp/attacker", 0777, kNobody);
      if (::symlink("/tmp/attacker", parent.c_str()) != 0) throw std::runtime_error("link");
      ::lchown(parent.c_str(), kNobody, kNobody);
      return;
    case Prepared::OthersInside:
      made(parent, 0700, ::getuid());
      if (folder != parent) made(folder, 0777, kNobody);
      return;
  }
}

// The program's environment in the child: no home it could use, no runtime folder.
void withoutHome(const std::string& fixtures) {
  ::setenv("HOME", "/proc/vorlent-no-home", 1);
  ::unsetenv("XDG_DATA_HOME");
  ::unsetenv("XDG_RUNTIME_DIR");
  ::setenv("PATH", (fixtures + "/bin").c_str(), 1);
}

const struct {
  const char* name;
  Prepared prepared;
  // What the start failure's second line says of the staging folder.
  const char* why;
} kCases[] = {
    {"nothing there", Prepared::Nothing, ""},
    {"another user's folder", Prepared::OthersFolder, "は他のユーザーのものです"},
    {"the user's own folder open to all", Prepared::OpenOwnFolder, "は他のユーザーも書き込めます"},
    {"a link to another user's folder", Prepared::LinkToOthersFolder, "はシンボリックリンクです"},
    {"another user's folder inside the user's", Prepared::OthersInside, ""},
};

TEST(FallbackFolderTest, TheDosBoxStagingFolderIsOnlyATrustedOne) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "another user's folders need root to prepare";
  const std::string staging = "/tmp/vorlent-dosbox-" + std::to_string(::getuid());
  for (const auto& c : kCases) {
    // The staging folder is the last of its path: nothing of another user's can be in it.
    if (c.prepared == Prepared::OthersInside) continue;
    SCOPED_TRACE(c.name);
    const testing::WatchedRun run =
        testing::runWithPrivateMounts({"/tmp", "/var/tmp"}, [&]() -> std::string {
          // The stand-ins live outside the prepared folders: a DOSBox that leaves a mark.
          const std::string fixtures = "/var/tmp/fixtures";
          fs::create_directories(fixtures + "/bin");
          std::ofstream(fixtures + "/bin/dosbox") << "#!/bin/sh\ntouch " << fixtures << "/RAN\n";
          std::ofstream(fixtures + "/GAME.COM") << "\xC3";
          ::chmod((fixtures + "/bin/dosbox").c_str(), 0755);
          withoutHome(fixtures);
          prepare(staging, staging, c.prepared);
          const testing::TreeSnapshot before = testing::snapshotTree("/tmp");
          const StartResult result = makeProcessStarter()->startProgram(fixtures + "/GAME.COM");
          std::string report = result.started ? "started" : "refused";
          if (!result.started) {
            const std::string text = startFailureText("GAME.COM", result);
            const auto secondLine = text.find('\n');
            report += secondLine == std::string::npos ? ", no reason"
                      : text.find(staging, secondLine) != std::string::npos
                          ? ", reason names the folder"
                          : ", reason without the folder";
            if (secondLine != std::string::npos &&
                text.find(c.why, secondLine) == std::string::npos) {
              report += " but not why";
            }
            if (fs::exists(fixtures + "/RAN")) report += ", yet DOSBox ran";
            if (!testing::changedPaths(before, testing::snapshotTree("/tmp")).empty()) {
              report += ", /tmp changed";
            }
          } else {
            struct stat made {};
            ::lstat(staging.c_str(), &made);
            if (made.st_uid != ::getuid() || (made.st_mode & 077) != 0) {
              report += " in a folder that is not closed";
            }
          }
          return report;
        });
    if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
      GTEST_SKIP() << run.problem;
    }
    ASSERT_TRUE(run.finished) << run.problem;
    EXPECT_EQ(run.report,
              c.prepared == Prepared::Nothing ? "started" : "refused, reason names the folder");
  }
}

TEST(FallbackFolderTest, TheAliasFolderIsOnlyATrustedOne) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "another user's folders need root to prepare";
  const std::string parent = "/var/tmp/vorlent-" + std::to_string(::getuid());
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const testing::WatchedRun run =
        testing::runWithPrivateMounts({"/tmp", "/var/tmp"}, [&]() -> std::string {
          const std::string fixtures = "/tmp/fixtures";
          fs::create_directories(fixtures + "/With Blank");
          std::ofstream(fixtures + "/With Blank/game.rom") << "ROM";
          withoutHome(fixtures);
          prepare(parent, parent + "/short", c.prepared);
          const testing::TreeSnapshot before = testing::snapshotTree("/var/tmp");
          const std::optional<std::string> alias =
              makeShortPaths()->shortForm(fixtures + "/With Blank/game.rom");
          if (!alias) {
            return std::string(
                testing::changedPaths(before, testing::snapshotTree("/var/tmp")).empty()
                    ? "refused"
                    : "refused, /var/tmp changed");
          }
          struct stat made {};
          ::lstat((parent + "/short").c_str(), &made);
          std::string report = alias->rfind(parent + "/short/", 0) == 0 ? "alias" : "elsewhere";
          if (testing::fileState(*alias).find("bytes ROM") == std::string::npos) {
            report += " not reaching the file";
          }
          struct stat above {};
          ::lstat(parent.c_str(), &above);
          if (made.st_uid != ::getuid() || (made.st_mode & 077) != 0 ||
              above.st_uid != ::getuid() || (above.st_mode & 022) != 0 || S_ISLNK(above.st_mode)) {
            report += " in a folder others can change";
          }
          return report;
        });
    if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
      GTEST_SKIP() << run.problem;
    }
    ASSERT_TRUE(run.finished) << run.problem;
    EXPECT_EQ(run.report, c.prepared == Prepared::Nothing ? "alias" : "refused");
  }
}

// Without HOME the home is the one the password database names, for the settings as for the
// trash: the companion, in a folder that takes no file, reads the settings kept there.
TEST(FallbackFolderTest, WithoutHomeTheSettingsAreInTheHomeOfThePasswordDatabase) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "a home of its own needs root to mount";
  const passwd* user = ::getpwuid(::getuid());
  ASSERT_NE(user, nullptr);
  const std::string home = user->pw_dir;
  LauncherState state;
  state.fmsxOptions.sound = 3;
  const auto current = makeCurrentFolder();
  const std::string saved =
      makeSystemTextCodec()->toSystemText(configFileText(state, current->get()));
  const testing::WatchedRun run = testing::runWithPrivateMounts({home}, [&]() -> std::string {
    ::unsetenv("HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_HOME");
    const std::string program = home + "/program";
    fs::create_directories(program);
    fs::copy_file(std::string(VORLENT_BINARY_DIR) + "/vorlent-cli", program + "/vorlent-cli");
    if (::mount(program.c_str(), program.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, program.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) !=
            0) {
      return std::string("cannot make the program's folder read-only");
    }
    fs::create_directories(home + "/.config/vorlent");
    std::ofstream(home + "/.config/vorlent/Vorlent.ini", std::ios::binary) << saved;
    const std::string line = program + "/vorlent-cli options fmsx >" + home + "/out 2>&1";
    const int status = std::system(line.c_str());
    std::ifstream out(home + "/out");
    const std::string printed((std::istreambuf_iterator<char>(out)), {});
    return std::to_string(status) + " " + printed + homeTrashFolder().value_or("no trash");
  });
  if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
    GTEST_SKIP() << run.problem;
  }
  ASSERT_TRUE(run.finished) << run.problem;
  EXPECT_EQ(run.report,
            "0 " + fmsxOptionText(state.fmsxOptions) + "\n" + home + "/.local/share/Trash");
}

// A saved alias is followed again only while its folders are the user's alone: where another user
// has made the alias folder's place a link to their own (runuser -u nobody), the start is refused
// with the folder named, and DOSBox never runs. A saved alias of the earlier hashed form still
// starts.
TEST(FallbackFolderTest, ASavedAliasIsFollowedOnlyThroughTrustedFolders) {
  if (!testing::runningAsRoot()) GTEST_SKIP() << "another user's folders need root to prepare";
  const std::string parent = "/var/tmp/vorlent-" + std::to_string(::getuid());
  const std::string alias = parent + "/short/d0123456789abcdef/GAME.ROM";
  for (const bool othersLink : {false, true}) {
    const testing::WatchedRun run =
        testing::runWithPrivateMounts({"/tmp", "/var/tmp"}, [&]() -> std::string {
          const std::string fixtures = "/tmp/fixtures";
          fs::create_directories(fixtures + "/bin");
          fs::create_directories(fixtures + "/With Blank");
          std::ofstream(fixtures + "/bin/dosbox") << "#!/bin/sh\n: >" << fixtures << "/RAN\n";
          ::chmod((fixtures + "/bin/dosbox").c_str(), 0755);
          std::ofstream(fixtures + "/GAME.COM") << "\xC3";
          std::ofstream(fixtures + "/With Blank/GAME.ROM") << "ROM";
          const std::string prepare =
              othersLink
                  ? "runuser -u nobody -- sh -c 'mkdir -p /var/tmp/theirs/d0123456789abcdef " +
                        parent + " && echo X >/var/tmp/theirs/" + alias.substr(parent.size() + 7) +
                        " && ln -s /var/tmp/theirs " + parent + "/short'"
                  : "mkdir -m 700 -p " + parent + "/short && ln -s '" + fixtures + "/With Blank' " +
                        parent + "/short/d0123456789abcdef";
          if (std::system(prepare.c_str()) != 0) return "cannot prepare";
          withoutHome(fixtures);
          const StartResult result =
              makeProcessStarter()->startCommandLine(fixtures + "/GAME.COM " + alias);
          if (result.started) {
            return testing::waitUntil([&] { return fs::exists(fixtures + "/RAN"); }, 10)
                       ? "started"
                       : "started, no DOSBox";
          }
          const std::string text = startFailureText("GAME.COM", result);
          return std::string(fs::exists(fixtures + "/RAN") ? "DOSBox ran, " : "") +
                 "refused: " + text.substr(text.find('\n') + 1);
        });
    if (!run.finished && run.problem.rfind(testing::kNoPrivateMounts, 0) == 0) {
      GTEST_SKIP() << run.problem;
    }
    ASSERT_TRUE(run.finished) << run.problem;
    EXPECT_EQ(run.report, othersLink
                              ? "refused: 「" + alias +
                                    "」は保存された別名です。別名を置くフォルダ「" + parent +
                                    "」は他のユーザーのものです。他のユーザーが中身を差し替え"
                                    "られるフォルダは使いません。ファイルを入れ直してください。"
                              : "started");
  }
}

}  // namespace
}  // namespace vorlent
