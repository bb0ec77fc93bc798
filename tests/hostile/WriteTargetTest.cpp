// SPDX-License-Identifier: GPL-3.0-or-later
// Writes stay on the file they name: the response file, the configuration file and its backup
// are written only as regular files at their own names, never through a link, never over a file
// the user may not write, and a full disk or a killed save leaves the program able to save.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "launch/FmsxCommand.h"
#include "launch/ResponseFileCheck.h"
#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigText.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::CurrentFolderGuard;
using testing::TempFolder;

constexpr uid_t kNobody = 65534;
constexpr uid_t kOtherUser = 1234;

bool isRoot() { return ::geteuid() == 0; }

// Owner, group and mode of the entry itself.
std::string ownership(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return "missing";
  return std::to_string(status.st_uid) + ":" + std::to_string(status.st_gid) + " " +
         std::to_string(status.st_mode & 07777);
}

std::string bytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void chownTo(const std::string& path, uid_t user) {
  if (::lchown(path.c_str(), user, user) != 0) throw std::runtime_error("chown " + path);
}

// Runs the action in a child process with the rights of "nobody" and gives back its text.
std::string asNobody(const std::function<std::string()>& action) {
  const testing::WatchedRun run = testing::runWatched(
      [&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
          return std::string("cannot drop to nobody");
        }
        return action();
      },
      30);
  return run.finished ? run.report : run.problem;
}

struct Services {
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<CurrentFolder> current = makeCurrentFolder();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<AtomicFiles> atomicFiles = makeAtomicFiles();

  ConfigServices config() {
    return {*files, *current, *atomicFiles, PathStyle::Posix, *systemText};
  }
};

// What a save is expected to write for the state.
std::string savedText(const LauncherState& state, Services& services) {
  return services.systemText->toSystemText(configFileText(state, services.current->get()));
}

std::string failureOf(const std::function<void()>& step) {
  try {
    testing::withinWatchdog(step);
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "no failure";
}

// ---------------------------------------------------------------------------------------------
// The response file.

class ResponseFileLinkTest : public ::testing::Test {
 protected:
  ResponseFileLinkTest() {
    std::filesystem::create_directory(sandbox.at("emu"));
    exe =
        sandbox.write("emu/FMSX-DOS.EXE", "#!/bin/sh\necho ran > '" + sandbox.at("record") + "'\n");
    std::filesystem::permissions(exe, std::filesystem::perms::owner_all);
    victim = sandbox.write("victim.txt", "victim's own bytes\n");
    state.fmsxExePath = exe;
    state.fmsxOptions.ifreq = 1;
  }

  TempFolder sandbox;
  TempFolder output;
  CurrentFolderGuard guard;
  Services services;
  LauncherState state;
  std::string exe;
  std::string victim;
};

TEST_F(ResponseFileLinkTest, ALinkIsRefusedAndNothingStartsOrChanges) {
  const std::string responseFile = sandbox.at("emu") + "/Vorlent.cfg";
  const std::string refusal = notARegularFileText(responseFile);
  const struct {
    std::string label;
    std::string pointee;
  } links[] = {
      {"link to a victim file", victim},
      {"dangling link", sandbox.at("made-outside.txt")},
  };
  const std::string config = output.at("Vorlent.ini");
  {
    ConfigFile file(config, services.config());
    file.SaveConfig(state);
  }
  const struct {
    std::string label;
    std::function<std::string()> run;
  } commands[] = {
      {"Cfgﾌｧｲﾙ確認",
       [&] {
         return failureOf([&] {
           checkResponseFile(state, *services.files, *services.current, PathStyle::Posix,
                             *services.systemText);
         });
       }},
      {"F5",
       [&] {
         bool started = false;
         const LaunchServices launch{*services.current, *services.files, PathStyle::Posix,
                                     *services.systemText};
         std::string failure = failureOf(
             [&] { buildFmsxCommand(state, launch, [&](const std::string&) { started = true; }); });
         return started ? "started" : failure;
       }},
      {"vorlent-cli run fmsx",
       [&] {
         const std::string line = std::string(VORLENT_BINARY_DIR) +
                                  "/vorlent-cli run fmsx --config '" + config + "' >/dev/null 2>'" +
                                  output.at("err") + "'";
         const int status = std::system(line.c_str());
         std::string err = bytesOf(output.at("err"));
         if (!err.empty() && err.back() == '\n') err.pop_back();
         return WIFEXITED(status) && WEXITSTATUS(status) != 0 ? err : "exit 0: " + err;
       }},
  };
  for (const auto& link : links) {
    for (const auto& command : commands) {
      SCOPED_TRACE(link.label + ", " + command.label);
      sandbox.write("victim.txt", "victim's own bytes\n");
      std::filesystem::remove(sandbox.at("record"));
      std::filesystem::create_symlink(link.pointee, responseFile);
      const testing::TreeSnapshot before = testing::snapshotTree(sandbox.string());
      const std::string victimState = ownership(victim);
      const std::string outcome = command.run();
      if (command.label == "vorlent-cli run fmsx") {
        EXPECT_NE(outcome.find(refusal), std::string::npos) << outcome;
      } else {
        EXPECT_EQ(outcome, refusal);
      }
      // The emulator would have written the record.
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      EXPECT_EQ(testing::changedPaths(before, testing::snapshotTree(sandbox.string())),
                std::vector<std::string>{});
      EXPECT_EQ(bytesOf(victim), "victim's own bytes\n");
      EXPECT_EQ(ownership(victim), victimState);
      std::filesystem::remove(responseFile);
    }
  }
}

// A second name of another file is replaced, never written through: the victim keeps its bytes
// and the new response file keeps the mode the old name had.
TEST_F(ResponseFileLinkTest, AHardLinkIsReplacedAndTheOtherNameKeepsItsBytes) {
  const std::string responseFile = sandbox.at("emu") + "/Vorlent.cfg";
  const LaunchServices launch{*services.current, *services.files, PathStyle::Posix,
                              *services.systemText};
  const struct {
    std::string label;
    std::function<void()> run;
  } commands[] = {
      {"Cfgﾌｧｲﾙ確認",
       [&] {
         checkResponseFile(state, *services.files, *services.current, PathStyle::Posix,
                           *services.systemText);
       }},
      {"F5", [&] { buildFmsxCommand(state, launch, [](const std::string&) {}); }},
  };
  for (const auto& command : commands) {
    SCOPED_TRACE(command.label);
    sandbox.write("victim.txt", "victim's own bytes\n");
    ::chmod(victim.c_str(), 0640);
    std::filesystem::create_hard_link(victim, responseFile);
    testing::TreeSnapshot expected = testing::snapshotTree(sandbox.string());
    testing::withinWatchdog(command.run);
    EXPECT_EQ(bytesOf(victim), "victim's own bytes\n");
    EXPECT_EQ(bytesOf(responseFile), "-ifreq 60 \r\n");
    EXPECT_EQ(ownership(responseFile), ownership(victim));
    EXPECT_EQ(std::filesystem::hard_link_count(victim), 1u);
    testing::TreeSnapshot after = testing::snapshotTree(sandbox.string());
    expected.erase("emu/Vorlent.cfg");
    after.erase("emu/Vorlent.cfg");
    EXPECT_EQ(testing::changedPaths(expected, after), std::vector<std::string>{});
    std::filesystem::remove(responseFile);
  }
}

// ---------------------------------------------------------------------------------------------
// The configuration file.

class ConfigWriteTest : public ::testing::Test {
 protected:
  ConfigWriteTest() {
    std::filesystem::permissions(sandbox.path(), std::filesystem::perms::owner_all |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::group_exec |
                                                     std::filesystem::perms::others_read |
                                                     std::filesystem::perms::others_exec);
    std::filesystem::current_path(sandbox.path());
    state.fmsxOptions.sound = 3;
  }

  // A folder of the sandbox that belongs to the user and mode given.
  std::string folder(const std::string& name, uid_t owner, mode_t mode) {
    const std::string path = sandbox.at(name);
    std::filesystem::create_directories(path);
    chownTo(path, owner);
    ::chmod(path.c_str(), mode);
    return path;
  }

  std::string file(const std::string& name, std::string_view bytes, uid_t owner, mode_t mode) {
    const std::string path = sandbox.write(name, bytes);
    chownTo(path, owner);
    ::chmod(path.c_str(), mode);
    return path;
  }

  TempFolder sandbox;
  CurrentFolderGuard guard;
  Services services;
  LauncherState state;
};

// A file this user may not write is not replaced, even in a folder the user may write: the
// save is refused as access denied and the file keeps its bytes, owner and mode.
TEST_F(ConfigWriteTest, AFileTheUserMayNotWriteIsRefusedAndKeptWhole) {
  if (!isRoot()) GTEST_SKIP() << "needs root to hand files to other users";
  const struct {
    std::string label;
    uid_t owner;
    mode_t mode;
  } cases[] = {
      {"another user's read-only file", 0, 0444},
      {"another user's file only its owner writes", kOtherUser, 0644},
      {"the user's own read-only file", kNobody, 0444},
  };
  const std::string denied = fileFailureText(FileFailureKind::AccessDenied);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string cfg = folder("cfg", kNobody, 0755);
    const std::string path = file("cfg/Vorlent.ini", "kept\r\n", c.owner, c.mode);
    const testing::TreeSnapshot before = testing::snapshotTree(sandbox.string());
    const std::string owned = ownership(path);
    const std::string outcome = asNobody([&] {
      ConfigFile config(path, services.config());
      return failureOf([&] { config.SaveConfig(state); });
    });
    EXPECT_EQ(outcome, denied);
    EXPECT_EQ(testing::changedPaths(before, testing::snapshotTree(sandbox.string())),
              std::vector<std::string>{});
    EXPECT_EQ(ownership(path), owned);
    testing::removeTree(cfg);
  }
}

// The file that replaces another keeps that file's owner, group and mode.
TEST_F(ConfigWriteTest, AReplacedFileKeepsItsOwnerAndMode) {
  if (!isRoot()) GTEST_SKIP() << "needs root to hand files to other users";
  const std::string path = file("Vorlent.ini", "old\r\n", kOtherUser, 0640);
  ConfigFile config(path, services.config());
  config.SaveConfig(state);
  EXPECT_EQ(bytesOf(path), savedText(state, services));
  EXPECT_EQ(ownership(path), std::to_string(kOtherUser) + ":" + std::to_string(kOtherUser) + " " +
                                 std::to_string(0640));
}

// A link that leads nowhere is replaced itself; its target is never made.
TEST_F(ConfigWriteTest, ADanglingLinkIsReplacedItself) {
  std::filesystem::create_directory(sandbox.at("elsewhere"));
  const std::string path = sandbox.at("Vorlent.ini");
  std::filesystem::create_symlink(sandbox.at("elsewhere/made.ini"), path);
  ConfigFile config(path, services.config());
  testing::withinWatchdog([&] { config.SaveConfig(state); });
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
  EXPECT_EQ(bytesOf(path), savedText(state, services));
  EXPECT_FALSE(
      std::filesystem::exists(std::filesystem::symlink_status(sandbox.at("elsewhere/made.ini"))));
}

// A save killed before its rename leaves "Vorlent.ini.tmp<process>-<n>"; the next save removes
// such files of processes that are gone, and nothing else.
TEST_F(ConfigWriteTest, TheNextSaveRemovesTemporaryFilesOfEndedSaves) {
  const std::string victim = sandbox.write("victim.txt", "victim");
  const std::string gone = "99999999";  // above the highest process number Linux gives
  const std::string stale = sandbox.write("Vorlent.ini.tmp" + gone + "-0", "half a save");
  std::filesystem::create_symlink(victim, sandbox.at("Vorlent.ini.tmp" + gone + "-1"));
  std::filesystem::create_directory(sandbox.at("Vorlent.ini.tmp" + gone + "-2"));
  sandbox.write("Vorlent.ini.tmp1-0", "a save of a running process");
  sandbox.write("Vorlent.ini.tmp" + gone + "-0x", "not the program's naming");
  sandbox.write("Vorlent.ini.tmp" + gone, "not the program's naming");
  sandbox.write("Other.ini.tmp" + gone + "-0", "another file's");
  const std::string path = sandbox.at("Vorlent.ini");
  testing::TreeSnapshot expected = testing::snapshotTree(sandbox.string());
  expected.erase("Vorlent.ini.tmp" + gone + "-0");
  ConfigFile config(path, services.config());
  config.SaveConfig(state);
  testing::TreeSnapshot after = testing::snapshotTree(sandbox.string());
  after.erase("Vorlent.ini");
  EXPECT_EQ(testing::changedPaths(expected, after), std::vector<std::string>{});
  EXPECT_FALSE(std::filesystem::exists(stale));
}

// After a load error the file is kept under the backup name before it is rewritten. Where its
// folder takes no new file, the backup goes to the user's own folder; where no backup can be
// made, the save goes on without one. A disk that filled during the rewrite fails that save
// only.
TEST_F(ConfigWriteTest, ABackupThatCannotGoBesideNeverStopsTheSave) {
  if (!isRoot()) GTEST_SKIP() << "needs root to mount a small file system and to drop rights";
  const std::string broken = "first line\r\n[x]\r\n\r\n[x]\r\n\r\n[x]\r\n\r\n[x]\r\n\r\nten\r\n";
  const std::string mountPoint = folder("disk", 0, 0755);
  if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  struct Unmount {
    std::string at;
    ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
  } unmount{mountPoint};
  const std::string program = folder("disk/program", 0, 0755);
  const std::string user = folder("disk/user", kNobody, 0755) + "/";
  const std::string path = file("disk/program/Vorlent.ini", broken, kNobody, 0644);
  const std::string filler = sandbox.at("disk/user/filler");
  // Long enough that the rewrite needs more room than the broken file held.
  state.fmsxExePath = "/" + std::string(6000, 'x');

  const std::string outcome = asNobody([&] {
    const UserSettingsFolder userFolder = [&] { return std::optional<std::string>(user); };
    const SettingsLocation location =
        configFileLocation(program + "/", *services.files, userFolder);
    if (!location.inPlace) return std::string("not the in-place case");
    ConfigFile config(location, services.config(), userFolder);
    LauncherState loaded;
    MediaPanelState panel;
    std::string report = failureOf([&] { config.LoadConfig(loaded, panel); });
    // The disk fills.
    {
      std::ofstream fill(filler, std::ios::binary);
      const std::string block(4096, 'f');
      while (fill.write(block.data(), block.size())) {
      }
    }
    report += "|" + failureOf([&] { config.SaveConfig(state); });
    report += bytesOf(path) == broken ? "|kept whole" : "|cut";
    std::filesystem::remove(filler);
    report += "|" + failureOf([&] { config.SaveConfig(state); });
    return report;
  });
  EXPECT_EQ(outcome, notAnIntegerText("ten") + "|" +
                         fileFailureText(FileFailureKind::DiskFull, ENOSPC) +
                         "|kept whole|no failure");
  EXPECT_EQ(bytesOf(path), savedText(state, services));
  EXPECT_EQ(ownership(path), std::to_string(kNobody) + ":" + std::to_string(kNobody) + " 420");
  // The disk was full before the backup could be made in the user's folder.
  EXPECT_FALSE(std::filesystem::exists(user + "Vorlent.ini.bak"));
  EXPECT_EQ(testing::snapshotTree(program).size(), 1u);
}

// A whole backup made earlier is never replaced by a cut file.
TEST_F(ConfigWriteTest, TheBackupGoesToTheUsersFolderWhereTheFilesFolderTakesNone) {
  if (!isRoot()) GTEST_SKIP() << "needs root to drop rights";
  const std::string broken = "first line\r\n[x]\r\n\r\n[x]\r\n\r\n[x]\r\n\r\n[x]\r\n\r\nten\r\n";
  const std::string whole = savedText(LauncherState{}, services);
  for (const std::string& earlier : {std::string(), whole}) {
    SCOPED_TRACE(earlier.empty() ? "no earlier backup" : "a whole earlier backup");
    const std::string program = folder("program", 0, 0755);
    const std::string user = folder("user", kNobody, 0755) + "/";
    const std::string path = file("program/Vorlent.ini", broken, kNobody, 0644);
    if (!earlier.empty()) file("user/Vorlent.ini.bak", earlier, kNobody, 0644);
    const std::string outcome = asNobody([&] {
      const UserSettingsFolder userFolder = [&] { return std::optional<std::string>(user); };
      ConfigFile config(configFileLocation(program + "/", *services.files, userFolder),
                        services.config(), userFolder);
      LauncherState loaded;
      MediaPanelState panel;
      std::string report = failureOf([&] { config.LoadConfig(loaded, panel); });
      return report + "|" + failureOf([&] { config.SaveConfig(state); });
    });
    EXPECT_EQ(outcome, notAnIntegerText("ten") + "|no failure");
    EXPECT_EQ(bytesOf(path), savedText(state, services));
    EXPECT_EQ(bytesOf(user + "Vorlent.ini.bak"), earlier.empty() ? broken : whole);
    EXPECT_EQ(testing::snapshotTree(program).size(), 1u);
    testing::removeTree(program);
    testing::removeTree(user);
  }
}

// Two instances closing at the same moment save one after the other: the file is always the
// whole text of one of them, whether it is rewritten in place or replaced.
TEST_F(ConfigWriteTest, TwoInstancesClosingTogetherLeaveOneWholeFile) {
  if (!isRoot()) GTEST_SKIP() << "needs root to drop rights";
  LauncherState shortState;
  shortState.fmsxExePath = "/a";
  LauncherState longState;
  longState.fmsxExePath = "/" + std::string(3000, 'x');
  const std::string texts[] = {savedText(shortState, services), savedText(longState, services)};
  for (const mode_t folderMode : {mode_t{0755}, mode_t{0777}}) {
    SCOPED_TRACE(folderMode == 0755 ? "in place" : "replaced");
    const std::string program = folder("program", 0, folderMode);
    const std::string path = file("program/Vorlent.ini", texts[0], kNobody, 0644);
    const std::string outcome = asNobody([&] {
      std::string report;
      for (int round = 0; round < 15; ++round) {
        int go[2];
        if (::pipe(go) != 0) return std::string("no pipe");
        pid_t instances[2];
        for (int which = 0; which < 2; ++which) {
          instances[which] = ::fork();
          if (instances[which] == 0) {
            ::close(go[1]);
            char byte;
            static_cast<void>(::read(go[0], &byte, 1));
            ConfigFile config(configFileLocation(program + "/", *services.files, {}),
                              services.config());
            config.SaveConfig(which == 0 ? shortState : longState);
            ::_exit(0);
          }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (const pid_t instance : instances) ::waitpid(instance, nullptr, 0);
        const std::string saved = bytesOf(path);
        report += saved == texts[0] || saved == texts[1]
                      ? "."
                      : std::to_string(std::count(saved.begin(), saved.end(), '\n'));
      }
      return report;
    });
    EXPECT_EQ(outcome, std::string(15, '.'));
    testing::removeTree(program);
  }
}

// ---------------------------------------------------------------------------------------------
// Closing by a signal.

// Whether the process has a handler for the signal, read from its status.
bool catches(pid_t process, int signal) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("SigCgt:")) {
      const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
      return ((mask >> (signal - 1)) & 1u) != 0;
    }
  }
  return false;
}

TEST(SignalCloseTest, TerminatingSignalsCloseTheWindowAndSaveTheConfiguration) {
  const std::string binary = std::string(VORLENT_BINARY_DIR) + "/vorlent";
  if (!std::filesystem::exists(binary)) GTEST_SKIP() << "the program is not built";
  // The last case has no place to save at: a folder stands at the file's name.
  const struct {
    int signal;
    bool savable;
  } cases[] = {{SIGTERM, true}, {SIGINT, true}, {SIGHUP, true}, {SIGTERM, false}};
  for (const auto [signal, savable] : cases) {
    SCOPED_TRACE(std::string(::strsignal(signal)) + (savable ? "" : ", no place to save"));
    TempFolder sandbox;
    std::filesystem::create_directories(sandbox.at("program"));
    std::filesystem::create_directories(sandbox.at("listed"));
    std::filesystem::create_directories(sandbox.at("home"));
    const std::string program = sandbox.at("program/vorlent");
    std::filesystem::copy_file(binary, program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    if (!savable) std::filesystem::create_directories(sandbox.at("program/Vorlent.ini"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (::chdir(sandbox.at("listed").c_str()) != 0) ::_exit(120);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      ::setenv("HOME", sandbox.at("home").c_str(), 1);
      ::setenv("XDG_CONFIG_HOME", sandbox.at("home").c_str(), 1);
      const int quiet = ::open("/dev/null", O_WRONLY);
      ::dup2(quiet, STDOUT_FILENO);
      const int errors = ::open(sandbox.at("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(errors, STDERR_FILENO);
      ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
      ::_exit(121);
    }
    int status = -1;
    {
      const testing::Watchdog watchdog("the program's start and close", std::chrono::seconds(90));
      for (int wait = 0; wait < 1500 && !catches(child, signal); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the program ended by itself";
      }
      EXPECT_TRUE(catches(child, signal)) << "the program does not catch the signal";
      ::kill(child, signal);
      ASSERT_EQ(::waitpid(child, &status, 0), child);
    }
    const std::string errors = bytesOf(sandbox.at("err"));
    if (!savable) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
      EXPECT_FALSE(errors.empty()) << "the failure is told on stderr";
      continue;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    const std::string saved = bytesOf(sandbox.at("program/Vorlent.ini"));
    EXPECT_TRUE(saved.starts_with(sandbox.at("listed") + "\r\n")) << saved.substr(0, 200);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 100);
  }
}

}  // namespace
}  // namespace vorlent
