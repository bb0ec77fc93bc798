// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/CurrentFolder.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/SystemTextCodec.h"
#include "platform/win32/Win32DosBox.h"
#include "platform/win32/Win32DosBoxStaging.h"
#include "platform/win32/Win32ProcessStarter.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

using testing::TempFolder;

TEST(Win32DosBoxTest, FindsDosBoxOnThePathThenInTheInstallFolders) {
  const TempFolder folder;
  const std::string empty = folder.at("empty");
  const std::string onPath = folder.at("bin");
  const std::string notAFile = folder.at("not a file");
  const std::string root = folder.at("Program Files");
  const std::string otherRoot = folder.at("Program Files (x86)");
  ASSERT_TRUE(makeFileChanges()->createFolders(empty));
  ASSERT_TRUE(makeFileChanges()->createFolders(notAFile + "\\dosbox.exe"));
  folder.write("bin\\dosbox.exe");
  folder.write("Program Files\\DOSBox-0.74\\DOSBox.exe");
  folder.write("Program Files\\DOSBox-0.74-3\\DOSBox.exe");
  folder.write("Program Files\\DOSBox-notes.txt");
  folder.write("Program Files (x86)\\DOSBox-X\\dosbox-x.exe");
  ASSERT_TRUE(makeFileChanges()->createFolders(otherRoot + "\\DOSBox Staging"));
  const struct {
    std::string searchPath;
    std::vector<std::string> roots;
    std::optional<std::string> found;
  } cases[] = {
      {empty + ";" + onPath, {root}, onPath + "\\dosbox.exe"},
      {empty + ";;", {root}, root + "\\DOSBox-0.74-3\\dosbox.exe"},
      {"", {otherRoot, root}, otherRoot + "\\DOSBox-X\\dosbox-x.exe"},
      {notAFile, {}, std::nullopt},
      {"", {empty}, std::nullopt},
      {"", {}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.searchPath);
    EXPECT_EQ(win32::findDosBoxIn(c.searchPath, c.roots), c.found);
  }
}

struct CreateCall {
  std::optional<std::string> application;
  std::string commandLine;
};

// An MS-DOS program goes to DOSBox by its header alone, whatever the system would answer; a
// recording program stands in for DOSBox.
class Win32DosBoxFallbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    emulator = folder.write("emu dir\\GAME.COM", "\xC3");
    folder.write("emu dir\\DOSGAME.EXE", std::string("MZ") + std::string(62, '\0'));
    disk = folder.write("disks\\A.DSK", "d");
    dosBox = folder.write("DOSBox-0.74-3\\DOSBox.exe");
    ASSERT_NE(
        ::CopyFileA(VORLENT_RECORDER, makeSystemTextCodec()->toSystemText(dosBox).c_str(), FALSE),
        0);
    record = folder.at("record.txt");
    ::SetEnvironmentVariableA("VORLENT_RECORD_TO",
                              makeSystemTextCodec()->toSystemText(record).c_str());
  }

  std::unique_ptr<ProcessStarter> starter(std::optional<std::string> found) {
    return win32::makeWin32ProcessStarter(
        [this](const char* application, std::string commandLine, HANDLE inherited) {
          calls.push_back(
              {application ? std::optional<std::string>(application) : std::nullopt, commandLine});
          return win32::createProcess(application, std::move(commandLine), inherited);
        },
        [this, found] {
          ++searches;
          return found;
        },
        false);
  }

  // What DOSBox would be given: its own path, quoted, then the commands.
  std::string dosBoxCommands(const std::string& commands) const {
    return "\"" + makeSystemTextCodec()->toSystemText(dosBox) + "\" " + commands;
  }

  TempFolder folder;
  std::string emulator;
  std::string disk;
  std::string dosBox;
  std::string record;
  std::vector<CreateCall> calls;
  int searches = 0;
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
};

std::string systemPath(const std::string& path) {
  return makeSystemTextCodec()->toSystemText(path);
}

TEST_F(Win32DosBoxFallbackTest, AnEmulatorCommandLineRunsInDosBoxWithItsFoldersMounted) {
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  const StartResult result =
      starter(dosBox)->startCommandLine("GAME.COM -msx2 -diska " + disk + " -cart1 X");

  EXPECT_TRUE(result.started) << result.errorCode;
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].application, makeSystemTextCodec()->toSystemText(dosBox));
  ASSERT_EQ(systemPath(folder.at("disks")).find(' '), std::string::npos);
  const std::string expected = dosBoxCommands(
      "-c \"@mount -u c >nul\" -c \"@mount c \\\"" + systemPath(folder.at("emu dir")) +
      "\\\" >nul\" -c \"@mount -u d >nul\" -c \"@mount d " + systemPath(folder.at("disks")) +
      " >nul\" -c \"@c:\" -c \"@GAME.COM -msx2 -diska D:\\A.DSK -cart1 X\" -c \"@if errorlevel 1 "
      "pause\" -c \"@exit\"");
  EXPECT_EQ(calls[0].commandLine, expected);
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->substr(0, recorded->find('\n')), expected);
}

// The emulator folder's dosbox.conf, in any case, is read after the user's own configuration, by
// its own path; one that is no file is refused. Without one nothing is added (the test above).
TEST_F(Win32DosBoxFallbackTest, TheEmulatorFoldersDosBoxConfIsReadAfterTheUsersOwn) {
  const std::string commands =
      " -c \"@mount -u c >nul\" -c \"@mount c \\\"" + systemPath(folder.at("emu dir")) +
      "\\\" >nul\" -c \"@c:\" -c \"@GAME.COM\" -c \"@if errorlevel 1 pause\" "
      "-c \"@exit\"";
  const std::string conf = folder.write("emu dir\\DOSBox.Conf", "[cpu]\r\ncycles=max\r\n");
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  EXPECT_TRUE(starter(dosBox)->startCommandLine("GAME.COM").started);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].commandLine,
            dosBoxCommands("-userconf -conf \"" + systemPath(folder.at("emu dir\\dosbox.conf")) +
                           "\"" + commands));
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->substr(0, recorded->find('\n')), calls[0].commandLine);

  ASSERT_NE(::DeleteFileA(makeSystemTextCodec()->toSystemText(conf).c_str()), 0);
  ASSERT_TRUE(makeFileChanges()->createFolders(folder.at("emu dir\\dosbox.conf")));
  calls.clear();
  const StartResult refused = starter(dosBox)->startCommandLine("GAME.COM");
  EXPECT_EQ(refused.problem, StartProblem::RefusedDosWord);
  EXPECT_EQ(refused.refusedWord, folder.at("emu dir\\dosbox.conf"));
  EXPECT_TRUE(calls.empty());
}

// A file whose name MS-DOS cannot open, in a folder DOSBox cannot mount by its path, as a volume
// without 8.3 names hands it over: it reaches DOSBox in a staging folder of the launcher's own,
// under a name the launcher chose. The folder stays while its DOSBox runs and goes after.
TEST_F(Win32DosBoxFallbackTest, AFileMsDosCannotNameReachesDosBoxOnTheStagingDrive) {
  VORLENT_NEED_SHIFT_JIS();
  const std::string rom = folder.string() + "\\ソフト表\\SpaceManbow.rom";
  ASSERT_TRUE(makeFileChanges()->createFolders(folder.string() + "\\ソフト表"));
  files->writeFile(rom, "ROM bytes");
  const std::string root = folder.at("local\\Vorlent\\DOSBox");
  ASSERT_TRUE(makeFileChanges()->createFolders(folder.at("local")));
  // Without LOCALAPPDATA the staging goes to the temporary folder.
  char localData[MAX_PATH] = {}, temporary[MAX_PATH] = {};
  ::GetEnvironmentVariableA("LOCALAPPDATA", localData, MAX_PATH);
  ::GetEnvironmentVariableA("TMP", temporary, MAX_PATH);
  ::SetEnvironmentVariableA("LOCALAPPDATA", nullptr);
  ::SetEnvironmentVariableA("TMP", systemPath(folder.at("local")).c_str());
  ::SetEnvironmentVariableA("VORLENT_RECORD_HOLD", systemPath(folder.at("hold")).c_str());
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  const StartResult result =
      starter(dosBox)->startCommandLine("GAME.COM -cart1 " + rom + " -diska " + disk);
  ::SetEnvironmentVariableA("LOCALAPPDATA", localData);
  ::SetEnvironmentVariableA("TMP", temporary);

  EXPECT_TRUE(result.started) << result.errorCode;
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  const std::set<std::string> stagings = testing::namesIn(root);
  ASSERT_EQ(stagings.size(), 1u);
  const std::string staging = root + "\\" + *stagings.begin();
  EXPECT_EQ(recorded->substr(0, recorded->find('\n')),
            dosBoxCommands("-c \"@mount -u c >nul\" -c \"@mount c \\\"" +
                           systemPath(folder.at("emu dir")) +
                           "\\\" >nul\" -c \"@mount -u e >nul\" -c \"@mount e " +
                           systemPath(folder.at("disks")) +
                           " >nul\" -c \"@mount -u d >nul\" -c \"@mount d " + systemPath(staging) +
                           " >nul\" -c \"@c:\" -c \"@GAME.COM -cart1 D:\\M1.ROM -diska E:\\A.DSK\" "
                           "-c \"@if errorlevel 1 pause\" -c \"@exit\""));
  EXPECT_EQ(testing::namesIn(staging), (std::set<std::string>{"M1.ROM", "lock"}));
  EXPECT_EQ(files->readRegularFile(staging + "\\M1.ROM", SIZE_MAX), "ROM bytes");

  win32::removeEndedStagings(root);
  EXPECT_TRUE(files->fileExists(staging + "\\M1.ROM"));
  files->writeFile(folder.at("hold"), "");
  for (int waited = 0; waited < 300 && !testing::namesIn(root).empty(); ++waited) {
    ::Sleep(100);
    win32::removeEndedStagings(root);
  }
  EXPECT_TRUE(testing::namesIn(root).empty());
  EXPECT_EQ(files->readRegularFile(rom, SIZE_MAX), "ROM bytes");
  ::SetEnvironmentVariableA("VORLENT_RECORD_HOLD", nullptr);
}

TEST_F(Win32DosBoxFallbackTest, AListedMsDosProgramRunsInDosBoxByItsName) {
  const std::string program = folder.at("emu dir\\DOSGAME.EXE");
  const StartResult result = starter(dosBox)->startProgram(program);

  EXPECT_TRUE(result.started) << result.errorCode;
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].application, makeSystemTextCodec()->toSystemText(dosBox));
  EXPECT_EQ(calls[0].commandLine,
            dosBoxCommands(
                "-c \"@mount -u c >nul\" -c \"@mount c \\\"" + systemPath(folder.at("emu dir")) +
                "\\\" >nul\" -c \"@c:\" -c \"@DOSGAME.EXE\" -c \"@if errorlevel 1 pause\" -c "
                "\"@exit\""));
}

// A Windows program, or a program that is not there, is left to the system; an MS-DOS program
// without DOSBox, or with a tail longer than MS-DOS hands a program, starts nothing and the
// result says why.
TEST_F(Win32DosBoxFallbackTest, WhatCannotRunInDosBoxSaysWhy) {
  const std::string native = folder.write("emu dir\\NATIVE.EXE");
  ASSERT_NE(
      ::CopyFileA(VORLENT_RECORDER, makeSystemTextCodec()->toSystemText(native).c_str(), FALSE), 0);
  const struct {
    const char* what;
    std::optional<std::string> dosBoxFound;
    std::string commandLine;
    bool started;
    int errorCode;
    StartProblem problem;
    std::size_t createCalls;
    int searches;
  } cases[] = {
      {"no DOSBox", std::nullopt, "GAME.COM -msx2", false, ERROR_FILE_NOT_FOUND,
       StartProblem::NoDosBox, 0, 1},
      {"a Windows program", dosBox, "NATIVE.EXE", true, 0, StartProblem::None, 1, 0},
      {"arguments too long for MS-DOS", dosBox, "GAME.COM " + std::string(130, 'a'), false,
       ERROR_FILENAME_EXCED_RANGE, StartProblem::CommandTailTooLong, 0, 0},
      {"a missing program", dosBox, "GONE.COM", false, ERROR_FILE_NOT_FOUND, StartProblem::None, 1,
       0},
  };
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    calls.clear();
    searches = 0;
    ::SetEnvironmentVariableA("VORLENT_RECORD_TO",
                              makeSystemTextCodec()->toSystemText(folder.at("native.txt")).c_str());
    const StartResult result = starter(c.dosBoxFound)->startCommandLine(c.commandLine);
    EXPECT_EQ(result.started, c.started);
    EXPECT_EQ(result.errorCode, c.errorCode);
    EXPECT_EQ(result.problem, c.problem);
    EXPECT_EQ(calls.size(), c.createCalls);
    EXPECT_EQ(searches, c.searches);
  }
  EXPECT_FALSE(files->fileExists(record));
}

// A word that DOSBox's shell would read, or a path to no file, never reaches DOSBox: the start is
// refused with ERROR_INVALID_NAME.
TEST_F(Win32DosBoxFallbackTest, AWordDosBoxsShellWouldReadIsRefused) {
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  const std::string gone = folder.at("gone\\A.DSK");
  for (const std::string& commandLine :
       {"GAME.COM -diska " + gone, std::string("GAME.COM %PATH%"), std::string("GAME.COM x>y")}) {
    SCOPED_TRACE(commandLine);
    calls.clear();
    const StartResult result = starter(dosBox)->startCommandLine(commandLine);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorCode, ERROR_INVALID_NAME);
    EXPECT_EQ(result.problem, StartProblem::RefusedDosWord);
    EXPECT_TRUE(calls.empty());
  }
  EXPECT_FALSE(files->fileExists(record));
}

// Where the system starts MS-DOS programs itself (32-bit Windows), an MS-DOS program whose
// arguments are longer than the 126 bytes MS-DOS hands a program, counted in the code page, is
// not started at all, as DOSBox would not start it; a Windows program is started whatever its
// arguments.
TEST_F(Win32DosBoxFallbackTest, ADirectlyStartedMsDosProgramGetsTheSameTailCheck) {
  const std::string native = folder.write("emu dir\\NATIVE.EXE");
  ASSERT_NE(
      ::CopyFileA(VORLENT_RECORDER, makeSystemTextCodec()->toSystemText(native).c_str(), FALSE), 0);
  const std::string japanese(testing::kJapaneseName);
  const struct {
    const char* what;
    std::string commandLine;
    bool needsShiftJis;
    bool started;
  } cases[] = {
      {"126 bytes", "GAME.COM " + std::string(125, 'a'), false, true},
      {"127 bytes", "GAME.COM " + std::string(126, 'a'), false, false},
      {"126 bytes with a run of blanks",
       "GAME.COM -a" + std::string(60, ' ') + "-b " + std::string(60, 'c'), false, true},
      {"127 bytes with a run of blanks",
       "GAME.COM -a" + std::string(60, ' ') + "-b " + std::string(61, 'c'), false, false},
      {"123 bytes in the code page, 127 in UTF-8",
       "GAME.COM " + std::string(113, 'a') + " " + japanese, true, true},
      {"an MS-DOS .EXE", "DOSGAME.EXE " + std::string(126, 'a'), false, false},
      {"a Windows program", "NATIVE.EXE " + std::string(200, 'a'), false, true},
  };
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    calls.clear();
    searches = 0;
    const auto starter = win32::makeWin32ProcessStarter(
        [this](const char* application, std::string commandLine, HANDLE) {
          calls.push_back(
              {application ? std::optional<std::string>(application) : std::nullopt, commandLine});
          return StartResult::success();
        },
        [this] {
          ++searches;
          return std::optional<std::string>(dosBox);
        },
        true);
    const StartResult result = starter->startCommandLine(c.commandLine);
    EXPECT_EQ(result.started, c.started);
    if (c.started) {
      ASSERT_EQ(calls.size(), 1u);
      EXPECT_EQ(calls[0].commandLine, makeSystemTextCodec()->toSystemText(c.commandLine));
    } else {
      EXPECT_EQ(result.errorCode, ERROR_FILENAME_EXCED_RANGE);
      EXPECT_EQ(result.problem, StartProblem::CommandTailTooLong);
      EXPECT_EQ(result.commandTailLength, 127u);
      EXPECT_TRUE(calls.empty());
    }
    EXPECT_EQ(searches, 0);
  }
}

}  // namespace
}  // namespace vorlent
