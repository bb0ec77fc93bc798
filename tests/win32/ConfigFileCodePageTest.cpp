// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "launch/FmsxCommand.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/SystemTextCodec.h"
#include "settings/ConfigFile.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class ConfigFileCodePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLENT_NEED_SHIFT_JIS();
    japaneseFolder = folder.string() + "\\" + std::string(testing::kJapaneseName);
    ASSERT_TRUE(changes->createFolders(japaneseFolder));
  }

  ConfigFile configFile() {
    return ConfigFile(folder.at("Vorlent.ini"),
                      {*files, *currentFolder, *atomicFiles, PathStyle::Windows, *systemText});
  }

  testing::TempFolder folder;
  testing::CurrentFolderGuard restoresCurrentFolder;
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<AtomicFiles> atomicFiles = makeAtomicFiles();
  std::unique_ptr<FileChanges> changes = makeFileChanges();
  std::string japaneseFolder;
};

TEST_F(ConfigFileCodePageTest, SavedLinesAreShiftJisBytes) {
  ASSERT_TRUE(currentFolder->set(japaneseFolder));
  LauncherState state;
  state.fmsxExePath = japaneseFolder + "\\FMSX-DOS.EXE";
  configFile().SaveConfig(state);

  const std::vector<std::string> lines =
      linesOf(files->readRegularFile(folder.at("Vorlent.ini"), SIZE_MAX));
  ASSERT_EQ(lines.size(), 100u);
  EXPECT_EQ(lines[0], makeSystemTextCodec()->toSystemText(folder.string()) + "\\" +
                          std::string(testing::kJapaneseNameShiftJis));
  EXPECT_EQ(lines[2], makeSystemTextCodec()->toSystemText(folder.string()) + "\\" +
                          std::string(testing::kJapaneseNameShiftJis) + "\\FMSX-DOS.EXE");
  EXPECT_EQ(lines[0].find(std::string(testing::kJapaneseName)), std::string::npos);
}

// Written byte for byte as a Japanese Windows system writes it.
TEST_F(ConfigFileCodePageTest, AShiftJisFileWithAJapaneseFolderLoads) {
  ASSERT_TRUE(currentFolder->set(folder.string()));
  configFile().SaveConfig(LauncherState{});
  std::vector<std::string> lines =
      linesOf(files->readRegularFile(folder.at("Vorlent.ini"), SIZE_MAX));
  ASSERT_EQ(lines.size(), 100u);
  const std::string folderBytes = makeSystemTextCodec()->toSystemText(folder.string()) + "\\" +
                                  std::string(testing::kJapaneseNameShiftJis);
  lines[0] = folderBytes;
  lines[2] = folderBytes + "\\FMSX-DOS.EXE";
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  files->writeFile(folder.at("Vorlent.ini"), text);

  files->writeFile(japaneseFolder + "\\FMSX-DOS.EXE", "");
  LauncherState state;
  MediaPanelState panel;
  configFile().LoadConfig(state, panel);
  EXPECT_EQ(currentFolder->get(), japaneseFolder);
  EXPECT_EQ(state.fmsxExePath, japaneseFolder + "\\FMSX-DOS.EXE");
}

// The emulator's folder ends in a character whose second Shift-JIS byte is a "\\"; the file
// must land in that folder all the same, as one line ending in CR LF.
TEST_F(ConfigFileCodePageTest, TheResponseFileLandsBesideTheEmulatorInAJapaneseFolder) {
  files->writeFile(japaneseFolder + "\\FMSX-DOS.EXE", "");
  LauncherState state;
  state.fmsxExePath = japaneseFolder + "\\FMSX-DOS.EXE";
  state.fmsxOptions.ifreq = 1;
  ASSERT_TRUE(writeResponseFile(state, *files, PathStyle::Windows, *systemText));
  const std::string bytes = files->readRegularFile(japaneseFolder + "\\Vorlent.cfg", SIZE_MAX);
  EXPECT_EQ(bytes, fmsxOptionText(state.fmsxOptions) + "\r\n");
  EXPECT_NE(bytes.find("-ifreq 60 "), std::string::npos);
  EXPECT_EQ(bytes.find('\n'), bytes.size() - 1);
}

}  // namespace
}  // namespace vorlent
