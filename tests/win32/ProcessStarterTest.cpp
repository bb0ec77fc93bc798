// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessStarter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "browser/FileList.h"
#include "launch/EmulatorStart.h"
#include "launch/LauncherState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/SystemTextCodec.h"
#include "platform/win32/Win32ProcessStarter.h"
#include "support/RecordingFeedback.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

using testing::TempFolder;

struct Record {
  std::string commandLine;  // the bytes of GetCommandLineA
  std::string modulePath;
};

class Win32ProcessStarterTest : public ::testing::Test {
 protected:
  // A copy of the recording program at a path inside the test's folder.
  std::string recorderAt(const std::string& name) {
    const std::string path = folder.write(name);
    EXPECT_NE(
        ::CopyFileA(VORLENT_RECORDER, makeSystemTextCodec()->toSystemText(path).c_str(), FALSE), 0)
        << path;
    return path;
  }

  // Starts through the given call and returns what the started program recorded.
  template <typename Start>
  std::optional<Record> recordOf(Start start) {
    const std::string target = folder.at("record-" + std::to_string(++records_) + ".txt");
    ::SetEnvironmentVariableA("VORLENT_RECORD_TO",
                              makeSystemTextCodec()->toSystemText(target).c_str());
    const StartResult result = start();
    EXPECT_TRUE(result.started) << "error " << result.errorCode;
    if (!result.started) {
      return std::nullopt;
    }
    const std::optional<std::string> text = testing::awaitFile(*files, target);
    if (!text) {
      return std::nullopt;
    }
    const std::size_t firstEnd = text->find('\n');
    return Record{text->substr(0, firstEnd),
                  text->substr(firstEnd + 1, text->size() - firstEnd - 2)};
  }

  TempFolder folder;
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<ProcessStarter> starter = makeProcessStarter();
  int records_ = 0;
};

// A .COM image named .exe goes to DOSBox, as MS-DOS runs it; a file too large to be one is left
// to the system.
TEST_F(Win32ProcessStarterTest, AComImageNamedExeGoesToDosBox) {
  const std::string dosBox = recorderAt("DOSBox\\dosbox.exe");
  const std::string com = folder.write("brmsx.exe", "\xB4\x4C\xCD\x21");
  const std::string big = folder.write("big.exe", std::string(0xFF01, '\x90'));
  std::vector<std::string> applications;
  const auto recording = win32::makeWin32ProcessStarter(
      [&](const char* application, std::string, HANDLE) {
        applications.push_back(application);
        return StartResult::success();
      },
      [&] { return std::optional(dosBox); }, false);
  recording->startProgram(com);
  recording->startProgram(big);
  EXPECT_EQ(applications, (std::vector<std::string>{systemText->toSystemText(dosBox),
                                                    systemText->toSystemText(big)}));
}

TEST_F(Win32ProcessStarterTest, TheCommandLineArrivesByteForByte) {
  recorderAt("FMSX-DOS.EXE");
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.string());
  for (const char* commandLine : {"FMSX-DOS.EXE -msx2 -diska C:\\DISKS\\GAME~1.DSK",
                                  "FMSX-DOS.EXE  -ifreq 60  @Vorlent.cfg ", "FMSX-DOS.EXE"}) {
    const auto record = recordOf([&] { return starter->startCommandLine(commandLine); });
    ASSERT_TRUE(record.has_value()) << commandLine;
    EXPECT_EQ(record->commandLine, commandLine);
    EXPECT_EQ(makeSystemTextCodec()->fromSystemText(record->modulePath), folder.at("FMSX-DOS.EXE"));
  }
}

TEST_F(Win32ProcessStarterTest, AJapaneseCommandLineArrivesInShiftJis) {
  VORLENT_NEED_SHIFT_JIS();
  recorderAt("FMSX-DOS.EXE");
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.string());
  const std::string commandLine =
      "FMSX-DOS.EXE -cart1 C:\\" + std::string(testing::kJapaneseName) + "\\A.ROM";
  const auto record = recordOf([&] { return starter->startCommandLine(commandLine); });
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->commandLine,
            "FMSX-DOS.EXE -cart1 C:\\" + std::string(testing::kJapaneseNameShiftJis) + "\\A.ROM");
}

// A path with blanks, unquoted, would start "my.exe" with the arguments "dir\rec.exe".
TEST_F(Win32ProcessStarterTest, AProgramPathWithBlanksStartsExactlyThatProgramQuoted) {
  recorderAt("my.exe");
  const std::string program = recorderAt("my dir\\rec.exe");
  const CurrentFolderScope inParent(*currentFolder, folder.string());
  const auto record = recordOf([&] { return starter->startProgram(program); });
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->commandLine, "\"" + makeSystemTextCodec()->toSystemText(program) + "\"");
  EXPECT_EQ(makeSystemTextCodec()->fromSystemText(record->modulePath), program);
}

TEST_F(Win32ProcessStarterTest, MissingProgramsFailWithCodeTwo) {
  const CurrentFolderScope inEmptyFolder(*currentFolder, folder.string());
  const struct {
    StartResult result;
    const char* what;
  } cases[] = {
      {starter->startCommandLine("NOSUCH.EXE -diska A.DSK"), "command line"},
      {starter->startProgram(folder.at("nosuch.exe")), "program path"},
      {starter->startProgram(folder.at("with blank\\nosuch.exe")), "missing folder"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.result.started) << c.what;
  }
  EXPECT_EQ(cases[0].result.errorCode, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(cases[1].result.errorCode, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(cases[2].result.errorCode, ERROR_PATH_NOT_FOUND);
}

TEST_F(Win32ProcessStarterTest, AMissingEmulatorIsReportedWithTheSystemCode) {
  const std::string listed = currentFolder->get();
  LauncherState state;
  state.fmsxExePath = folder.at("FMSX-DOS.EXE");
  state.brmsxExePath = folder.at("BRMSX.EXE");
  testing::RecordingFeedback feedback;
  const StartServices services{
      {*currentFolder, *files, PathStyle::Windows, *systemText}, *starter, feedback};
  EXPECT_FALSE(runFmsx(state, services));
  EXPECT_FALSE(runBrmsx(state, services));
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"box 情報: \"fmsx-dos.exe\" can not be carried out. (2)",
                                      "box 情報: \"brmsx.exe\" can not be carried out. (2)"}));
  EXPECT_EQ(currentFolder->get(), listed);
}

TEST_F(Win32ProcessStarterTest, AMissingListedProgramIsShownByItsFullPath) {
  const std::string missing = folder.at("Program Files\\gone.exe");
  folder.write("Program Files\\other.txt");
  FileListEntry entry;
  entry.caption = "gone.exe";
  entry.fullPath = missing;
  FileList list;
  list.assign({entry});
  list.setSelected(0, true);
  list.setFocused(0);
  testing::RecordingFeedback feedback;
  EXPECT_FALSE(runListedProgram(list, *starter, feedback));
  EXPECT_EQ(feedback.events,
            std::vector<std::string>{"box 情報: " + missing + " can not be carried out. (2)"});
}

}  // namespace
}  // namespace vorlent
