// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLocation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "settings/ConfigFile.h"
#include "support/FakeFileSystem.h"
#include "support/TempFolder.h"
#include "support/WithoutRootRights.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

TEST(SettingsLocationTest, BesideTheProgramWhereverItCanBeKeptThereOtherwiseTheUsersOwn) {
  const std::string beside = "/opt/vorlent/Vorlent.ini";
  const std::string own = "/home/u/.config/vorlent/Vorlent.ini";
  const struct {
    const char* what;
    std::set<std::string> files;
    std::set<std::string> rewritable;
    std::set<std::string> writableFolders;
    bool userFolder;
    SettingsLocation expected;
  } cases[] = {
      {"a folder that takes files", {beside}, {}, {"/opt/vorlent/"}, true, {beside, beside, false}},
      {"the same without a file yet", {}, {}, {"/opt/vorlent/"}, true, {beside, beside, false}},
      {"a writable file in a folder that takes none",
       {beside},
       {beside},
       {},
       true,
       {beside, beside, true}},
      {"a read-only file, no file of the user's yet", {beside}, {}, {}, true, {beside, own, false}},
      {"a read-only file and the user's own", {beside, own}, {}, {}, true, {own, own, false}},
      {"no file anywhere", {}, {}, {}, true, {beside, own, false}},
      {"no user folder", {beside}, {}, {}, false, {beside, beside, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakeFileSystem files;
    for (const std::string& file : c.files) {
      files.files[file];
    }
    files.rewritable = c.rewritable;
    files.writableFolders = c.writableFolders;
    const UserSettingsFolder userFolder = [&]() -> std::optional<std::string> {
      if (!c.userFolder) {
        return std::nullopt;
      }
      return "/home/u/.config/vorlent/";
    };
    EXPECT_EQ(configFileLocation("/opt/vorlent/", files, userFolder, ProgramPlacement::Portable),
              c.expected);
    // The installed program never reads or writes beside itself, whatever its folder allows.
    const std::string installed = c.userFolder ? own : "";
    EXPECT_EQ(configFileLocation("/opt/vorlent/", files, userFolder, ProgramPlacement::Installed),
              (SettingsLocation{installed, installed, false}));
  }
}

// An installed program in a folder the user cannot write: the settings go to the user's own
// folder, starting from the file beside the program; a writable file in such a folder is
// rewritten in place. The bytes are the same 100 lines either way.
TEST(SettingsLocationTest, AProgramFolderTheUserCannotWrite) {
  testing::CurrentFolderGuard guard;
  testing::TempFolder root;
  fs::permissions(root.path(), fs::perms::owner_all | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
  const std::string program = root.at("program") + "/";
  const std::string user = root.at("user") + "/";
  root.write("program/Vorlent.ini", "/\r\n[fmsx-dos.exe]\r\n\r\n[brmsx.exe]\r\n");
  root.write("inplace/Vorlent.ini", "old\r\n");
  fs::create_directories(root.path() / "user");
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(root.path() / "program", readOnly);
  fs::permissions(root.path() / "inplace", readOnly);
  fs::permissions(root.path() / "inplace" / "Vorlent.ini",
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read |
                      fs::perms::others_write);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(user.c_str(), 65534, 65534), 0);
  }
  const std::string inplace = root.at("inplace") + "/";
  EXPECT_TRUE(testing::holdsWithoutRootRights([&] {
    const auto files = makeFileSystem();
    const auto currentFolder = makeCurrentFolder();
    const auto atomicFiles = makeAtomicFiles();
    const auto systemText = makeSystemTextCodec();
    const UserSettingsFolder userFolder = [&] { return std::optional<std::string>(user); };
    const SettingsLocation installed = configFileLocation(program, *files, userFolder);
    if (!(installed == SettingsLocation{program + "Vorlent.ini", user + "Vorlent.ini", false})) {
      return false;
    }
    currentFolder->set("/");
    LauncherState state;
    MediaPanelState panel;
    ConfigFile config(installed,
                      {*files, *currentFolder, *atomicFiles, PathStyle::Posix, *systemText});
    try {
      config.LoadConfig(state, panel);
    } catch (const std::exception&) {
      // The starting point ends early; what it held is kept.
    }
    state.tapePath = "";
    config.SaveConfig(state);
    const std::string saved = root.read("user/Vorlent.ini");
    const SettingsLocation rewritten = configFileLocation(inplace, *files, userFolder);
    if (!(rewritten == SettingsLocation{inplace + "Vorlent.ini", inplace + "Vorlent.ini", true})) {
      return false;
    }
    ConfigFile(rewritten, {*files, *currentFolder, *atomicFiles, PathStyle::Posix, *systemText})
        .SaveConfig(state);
    return saved.starts_with("/\r\n[fmsx-dos.exe]\r\n") &&
           root.read("inplace/Vorlent.ini") == saved &&
           root.read("program/Vorlent.ini") == "/\r\n[fmsx-dos.exe]\r\n\r\n[brmsx.exe]\r\n";
  }));
  fs::permissions(root.path() / "program", fs::perms::owner_all);
  fs::permissions(root.path() / "inplace", fs::perms::owner_all);
  // The in-place save left nothing beside the file.
  EXPECT_EQ(
      std::distance(fs::directory_iterator(root.path() / "inplace"), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vorlent
