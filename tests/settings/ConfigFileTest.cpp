// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "media/MediaPanelView.h"
#include "platform/Failure.h"
#include "settings/ConfigFile.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::CurrentFolderGuard;
using testing::TempFolder;

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The lines of a file saved from the initial state, with the given first line.
std::vector<std::string> initialLines(const std::string& folder) {
  std::vector<std::string> lines = {folder, "[fmsx-dos.exe]",
                                    "",     "[brmsx.exe]",
                                    "",     "[xxxxxxxxx]",
                                    "",     "[Image Files]",
                                    "",     "-1",
                                    "",     "-1",
                                    "",     "",
                                    ""};
  lines.insert(lines.end(), 18, "");
  lines.push_back("[F Paramater]");
  for (const char* value : {"1", "0", "0", "100", "0", "1", "1", "1", "1", "0", "0", "0",
                            "2", "1", "6", "10",  "1", "0", "2", "0", "7", "0", "1"}) {
    lines.push_back(value);
  }
  lines.push_back("[B Paramater]");
  for (const char* value :
       {"0", "0", "0", "0", "0", "0", "1",     "1", "0", "0", "1", "0", "0", "0",
        "0", "0", "0", "0", "0", "0", "45455", "0", "3", "0", "0", "0", "0", "5",
        "0", "0", "0", "0", "0", "0", "0",     "1", "0", "0", "0", "0", "0", "0"}) {
    lines.push_back(value);
  }
  return lines;
}

// Wraps the real atomic files and throws at one chosen step, after the steps before it ran.
enum class FailAt { Nowhere, Create, Write, HalfWritten, Commit };

class FailingAtomicFiles final : public AtomicFiles {
 public:
  std::unique_ptr<AtomicFile> create(std::string_view targetPath) override {
    if (failAt == FailAt::Create) throw Failure("injected create");
    return std::make_unique<File>(real_->create(targetPath), failAt);
  }
  FailAt failAt = FailAt::Nowhere;

 private:
  class File final : public AtomicFile {
   public:
    File(std::unique_ptr<AtomicFile> real, FailAt failAt) : real_(std::move(real)), at_(failAt) {}
    void write(std::string_view bytes) override {
      if (at_ == FailAt::Write) throw Failure("injected write");
      if (at_ == FailAt::HalfWritten) {
        real_->write(bytes.substr(0, bytes.size() / 2));
        throw Failure("injected write");
      }
      real_->write(bytes);
    }
    void commit() override {
      if (at_ == FailAt::Commit) throw Failure("injected commit");
      real_->commit();
    }

   private:
    std::unique_ptr<AtomicFile> real_;
    FailAt at_;
  };
  std::unique_ptr<AtomicFiles> real_ = makeAtomicFiles();
};

class ConfigFileTest : public ::testing::Test {
 protected:
  ConfigFile config() {
    return ConfigFile(folder.at("Vorlent.ini"),
                      {*files, *currentFolder, atomicFiles, PathStyle::Posix, *systemText});
  }
  std::string load() {
    try {
      config().LoadConfig(state, panel);
    } catch (const Failure& failure) {
      return failure.what();
    }
    return {};
  }
  void writeConfig(const std::vector<std::string>& lines) {
    folder.write("Vorlent.ini", joinLines(lines));
  }
  std::vector<std::string> filesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  CurrentFolderGuard guard;
  TempFolder folder;
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  FailingAtomicFiles atomicFiles;
  LauncherState state;
  MediaPanelState panel;
};

TEST_F(ConfigFileTest, SavesTheHundredLinesOfTheInitialState) {
  std::filesystem::current_path(folder.path());
  config().SaveConfig(state);
  const std::vector<std::string> lines = initialLines(folder.string());
  ASSERT_EQ(lines.size(), 100U);
  EXPECT_EQ(folder.read("Vorlent.ini"), joinLines(lines));
  EXPECT_EQ(filesInFolder(), std::vector<std::string>{"Vorlent.ini"});
}

TEST_F(ConfigFileTest, AFolderTheFileCannotHoldIsSavedAsAnEmptyFirstLine) {
  const std::string odd = folder.string() + "/two\nlines";
  std::filesystem::create_directory(odd);
  std::filesystem::current_path(odd);
  config().SaveConfig(state);
  EXPECT_EQ(folder.read("Vorlent.ini"), joinLines(initialLines("")));
}

TEST_F(ConfigFileTest, SavingAndLoadingRestoresEveryStoredField) {
  std::filesystem::current_path(folder.path());
  LauncherState saved;
  saved.fmsxExePath = folder.write("emu/fmsx-dos.exe");
  saved.brmsxExePath = folder.write("emu/brmsx.exe");
  saved.palamsxExePath = folder.write("emu/pala.exe");
  saved.slots[0].path = folder.write("A.ROM");
  saved.slots[0].mapper = 12;
  saved.slots[1].path = folder.write("b.rom");
  saved.slots[1].mapper = 17;
  saved.drives[0].path = "Select A:Drive[PC]";
  saved.drives[1].path = folder.write("d2.dsk");
  saved.tapePath = folder.write("t.cas");
  for (std::size_t i = 0; i < saved.drives[0].list.size(); ++i) {
    saved.drives[0].list[i] = "/gone/" + std::to_string(i) + ".dsk";
  }
  saved.drives[1].list[3] = "Select A:Drive[PC]";
  saved.fmsxModel = 2;
  saved.fmsxResolution = 3;
  saved.brmsxModel = 1;
  saved.brmsxResolution = 9;
  int value = 1000;
  saved.fmsxOptions = {value++, value++, value++, value++, value++, value++, value++,
                       value++, value++, value++, value++, value++, value++, value++,
                       value++, value++, value++, value++, value++, value++, -value};
  BrmsxOptions b;
  for (int BrmsxOptions::*field :
       {&BrmsxOptions::ifreq, &BrmsxOptions::sr, &BrmsxOptions::advram, &BrmsxOptions::diskhl,
        &BrmsxOptions::Korean, &BrmsxOptions::com}) {
    b.*field = value++;
  }
  saved.brmsxOptions = b;
  saved.activeEmulator = EmulatorKind::Fmsx;
  config().SaveConfig(saved);

  std::filesystem::current_path("/");
  panel.slots[0].mapperChoice = 3;
  EXPECT_EQ(load(), "");
  EXPECT_EQ(std::filesystem::current_path(), folder.path());
  LauncherState expected = saved;
  expected.activeEmulator = EmulatorKind::Brmsx;
  expected.drives[0].path = "";
  EXPECT_EQ(state, expected);
  EXPECT_EQ(panel.slots[0].mapperChoice, 3);
  EXPECT_EQ(panel.slots[0].name, "A.ROM");
  EXPECT_EQ(panel.tapeName, "t.cas");
  EXPECT_EQ(panel.drives[0].name, "");
  const MediaPanelView shown = mediaPanelView(state, panel);
  EXPECT_EQ(shown.slots[0].medium.buttonIcon, 12);
  EXPECT_EQ(shown.drives[1].medium.buttonIcon, kInsertedMediumIcon);
  EXPECT_TRUE(shown.drives[0].diskList[8].visible);
  EXPECT_EQ(shown.fmsxResolutionItem, 3);
}

TEST_F(ConfigFileTest, NoFileChangesNothing) {
  state.tapePath = "/x.cas";
  const LauncherState before = state;
  EXPECT_EQ(load(), "");
  EXPECT_EQ(state, before);
  EXPECT_FALSE(config().keepsBackupBeforeNextSave());
}

TEST_F(ConfigFileTest, AnEmptyFileStopsAtTheFirstMapperLineAfterTheExecutables) {
  folder.write("Vorlent.ini", "");
  state.fmsxExePath = state.brmsxExePath = state.palamsxExePath = "/bin/sh";
  state.slots[0].path = "/kept.rom";
  EXPECT_EQ(load(), "'' は整数ではありません");
  EXPECT_EQ(state.fmsxExePath, "");
  EXPECT_EQ(state.brmsxExePath, "");
  EXPECT_EQ(state.palamsxExePath, "");
  EXPECT_EQ(state.slots[0].path, "/kept.rom");
  EXPECT_EQ(state.slots[0].mapper, kNoCartridge);
}

TEST_F(ConfigFileTest, AnIndexOutsideItsMenuStopsAfterPathsAndListsWereRestored) {
  std::filesystem::current_path(folder.path());
  std::vector<std::string> lines = initialLines(folder.string());
  lines[8] = folder.write("game.rom");
  lines[9] = "9";
  lines[14] = folder.write("t.cas");
  lines[15] = "/gone/a.dsk";
  lines[32] = "last";
  lines[34] = "3";
  lines[36] = "0";
  writeConfig(lines);
  EXPECT_EQ(load(), "リストのインデックスが範囲を超えています (3)");
  EXPECT_EQ(state.slots[0].path, lines[8]);
  EXPECT_EQ(state.slots[0].mapper, 9);
  EXPECT_EQ(state.tapePath, lines[14]);
  EXPECT_EQ(state.drives[0].list[0], "/gone/a.dsk");
  EXPECT_EQ(state.drives[1].list[8], "last");
  EXPECT_EQ(state.fmsxModel, 1);
  EXPECT_EQ(state.fmsxOptions, FmsxOptions{});

  lines[34] = "-1";
  writeConfig(lines);
  EXPECT_EQ(load(), "リストのインデックスが範囲を超えています (-1)");
  lines[34] = "2";
  lines[59] = "10";
  writeConfig(lines);
  EXPECT_EQ(load(), "リストのインデックスが範囲を超えています (10)");
  EXPECT_EQ(state.fmsxModel, 2);
  EXPECT_EQ(state.fmsxOptions.ifreq, 0);
  EXPECT_EQ(state.brmsxModel, 0);
}

TEST_F(ConfigFileTest, FailingIntegerLinesStopTheLoadThere) {
  struct Case {
    std::size_t line;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {11, "x", "'x' は整数ではありません"},
      {35, "1 ", "'1 ' は整数ではありません"},
      {56, "", "'' は整数ではありません"},
      {99, "$FFFFFFFF", "'$FFFFFFFF' は整数ではありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> lines = initialLines("");
    lines[c.line] = c.text;
    lines[36] = "1";
    writeConfig(lines);
    state = {};
    EXPECT_EQ(load(), c.message);
    EXPECT_EQ(state.fmsxOptions.ifreq, c.line > 36 ? 1 : 0);
  }
}

TEST_F(ConfigFileTest, SlotRulesTakeTheCodeOnlyWithARestoredPath) {
  struct Case {
    bool fileExists;
    const char* mapperLine;
    int code;
    int icon;
  };
  const Case cases[] = {
      {true, "25", 25, 25}, {true, "7", 7, 7},    {true, "5", -1, 1},
      {true, "-1", -1, 1},  {false, "12", -1, 0}, {true, " $0C", 12, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mapperLine);
    std::vector<std::string> lines = initialLines("");
    lines[10] = c.fileExists ? folder.write("s2.rom") : folder.at("removed.rom");
    lines[11] = c.mapperLine;
    writeConfig(lines);
    state = {};
    panel = {};
    EXPECT_EQ(load(), "");
    EXPECT_EQ(state.slots[1].path, c.fileExists ? lines[10] : "");
    EXPECT_EQ(state.slots[1].mapper, c.code);
    EXPECT_EQ(mediaPanelView(state, panel).slots[1].medium.buttonIcon, c.icon);
    EXPECT_EQ(mediaPanelView(state, panel).slots[1].medium.ejectEnabled, c.fileExists);
    EXPECT_EQ(panel.slots[1].name, c.fileExists ? "s2.rom" : "");
    std::filesystem::remove(folder.at("s2.rom"));
  }
}

TEST_F(ConfigFileTest, ChangedMarkersAndBareLineFeedsLoadAlike) {
  std::vector<std::string> lines = initialLines("");
  lines[35] = "2";
  lines[99] = "1";
  writeConfig(lines);
  EXPECT_EQ(load(), "");
  const LauncherState plain = state;
  EXPECT_EQ(plain.fmsxResolution, 2);
  EXPECT_EQ(plain.brmsxOptions.advram, 1);

  for (const std::size_t marker : {1, 3, 5, 7, 33, 57}) lines[marker] = "any text 123";
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  text.pop_back();
  folder.write("Vorlent.ini", text);
  state = {};
  EXPECT_EQ(load(), "");
  EXPECT_EQ(state, plain);
}

TEST_F(ConfigFileTest, ExecutablesAndMediaOfRemovedFilesAreNotRestored) {
  std::filesystem::current_path(folder.path());
  std::vector<std::string> lines = initialLines("");
  lines[2] = folder.at("gone.exe");
  lines[4] = folder.write("brmsx.exe");
  lines[13] = folder.at("gone.dsk");
  folder.write("Select A:Drive[PC]");
  lines[12] = "Select A:Drive[PC]";
  writeConfig(lines);
  state.fmsxExePath = "/was/set";
  state.drives[1].path = "/kept.dsk";
  EXPECT_EQ(load(), "");
  EXPECT_EQ(state.fmsxExePath, "");
  EXPECT_EQ(state.brmsxExePath, lines[4]);
  EXPECT_EQ(state.drives[0].path, "");
  EXPECT_EQ(state.drives[1].path, "/kept.dsk");
  config().SaveConfig(state);
  EXPECT_EQ(folder.read("Vorlent.ini").substr(0, 100).find("[fmsx-dos.exe]\r\n\r\n[brmsx.exe]"),
            folder.string().size() + 2);
}

TEST_F(ConfigFileTest, AFailedLoadKeepsTheFileAsBackupBeforeTheNextSave) {
  std::vector<std::string> lines = initialLines("");
  lines[60] = "user's value";
  lines[99] = "1";
  writeConfig(lines);
  const std::string original = folder.read("Vorlent.ini");
  ConfigFile file = config();
  EXPECT_THROW(file.LoadConfig(state, panel), Failure);
  EXPECT_TRUE(file.keepsBackupBeforeNextSave());

  // A failing save keeps the duty, and the old file, for the next attempt.
  atomicFiles.failAt = FailAt::Commit;
  EXPECT_THROW(file.SaveConfig(state), Failure);
  EXPECT_EQ(folder.read("Vorlent.ini"), original);
  EXPECT_TRUE(file.keepsBackupBeforeNextSave());

  atomicFiles.failAt = FailAt::Nowhere;
  folder.write("Vorlent.ini.bak", "older backup");
  file.SaveConfig(state);
  EXPECT_EQ(folder.read("Vorlent.ini.bak"), original);
  EXPECT_NE(folder.read("Vorlent.ini"), original);
  EXPECT_FALSE(file.keepsBackupBeforeNextSave());

  // Later saves, and saves after a complete load, leave the backup alone.
  const std::string saved = folder.read("Vorlent.ini");
  state.tapePath = "/t.cas";
  file.SaveConfig(state);
  EXPECT_EQ(folder.read("Vorlent.ini.bak"), original);
  file.LoadConfig(state, panel);
  file.SaveConfig(state);
  EXPECT_EQ(folder.read("Vorlent.ini.bak"), original);
  EXPECT_NE(saved, folder.read("Vorlent.ini"));
}

TEST_F(ConfigFileTest, ASaveThatFailsAnywhereLeavesTheOldFileWhole) {
  folder.write("Vorlent.ini", "the old settings\r\n");
  state.slots[0].path = "/new.rom";
  for (const FailAt step : {FailAt::Create, FailAt::Write, FailAt::HalfWritten, FailAt::Commit}) {
    SCOPED_TRACE(static_cast<int>(step));
    atomicFiles.failAt = step;
    EXPECT_THROW(config().SaveConfig(state), Failure);
    EXPECT_EQ(folder.read("Vorlent.ini"), "the old settings\r\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"Vorlent.ini"});
  }
}

// Only a regular file is read or replaced: a FIFO, a device or a link to one is refused without
// waiting and left as it is, and so is a file too large to be settings (a save then needs the
// backup of the lines that were never read, which it cannot take).
TEST_F(ConfigFileTest, OnlyARegularFileOfBoundedSizeIsReadOrReplaced) {
  const std::string path = folder.at("Vorlent.ini");
  const std::string notRegular = "'" + path + "' は通常のファイルではありません";
  const std::string tooLarge = "'" + path + "' は大きすぎます (4194304 バイトまで)";
  const struct {
    const char* what;
    std::function<void()> make;
    std::string loadFailure;
    std::string saveFailure;
  } cases[] = {
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, notRegular, notRegular},
      {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", path); },
       notRegular, notRegular},
      {"a link to /dev/null", [&] { std::filesystem::create_symlink("/dev/null", path); },
       notRegular, notRegular},
      {"a file over the limit",
       [&] { folder.write("Vorlent.ini", std::string(kConfigFileSizeLimit + 1, '1')); }, tooLarge,
       tooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(path);
    c.make();
    const auto before = std::filesystem::symlink_status(path).type();
    const std::string target = std::filesystem::is_symlink(path)
                                   ? std::filesystem::read_symlink(path).string()
                                   : std::string();
    LauncherState loaded;
    ConfigFile file = config();
    std::string loadFailure;
    std::string saveFailure;
    testing::withinWatchdog([&] {
      try {
        file.LoadConfig(loaded, panel);
      } catch (const Failure& failure) {
        loadFailure = failure.what();
      }
      try {
        file.SaveConfig(loaded);
      } catch (const Failure& failure) {
        saveFailure = failure.what();
      }
    });
    EXPECT_EQ(loadFailure, c.loadFailure);
    EXPECT_EQ(saveFailure, c.saveFailure);
    EXPECT_EQ(loaded, LauncherState{});
    EXPECT_EQ(std::filesystem::symlink_status(path).type(), before);
    if (!target.empty()) {
      EXPECT_EQ(std::filesystem::read_symlink(path).string(), target);
    }
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"Vorlent.ini"});
  }
  // A file at the limit is settings like any other.
  std::filesystem::remove(path);
  std::vector<std::string> lines = initialLines("");
  lines[99] = std::string(kConfigFileSizeLimit - joinLines(lines).size(), '0') + "1";
  writeConfig(lines);
  ASSERT_EQ(std::filesystem::file_size(path), kConfigFileSizeLimit);
  EXPECT_EQ(load(), "");
  EXPECT_EQ(state.brmsxOptions.advram, 1);
}

TEST_F(ConfigFileTest, TheFileLiesInTheGivenFolder) {
  EXPECT_EQ(configFilePathIn("/opt/vorlent/"), "/opt/vorlent/Vorlent.ini");
  EXPECT_EQ(config().backupPath(), folder.at("Vorlent.ini.bak"));
}

}  // namespace
}  // namespace vorlent
