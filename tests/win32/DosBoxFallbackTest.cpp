#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/CurrentFolder.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/SystemText.h"
#include "platform/win32/Win32DosBox.h"
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

// 64-bit Windows refuses MS-DOS programs with ERROR_BAD_EXE_FORMAT; Wine answers otherwise, so
// the first start gives that answer here, and the DOSBox start after it runs a recording
// program in DOSBox's place.
class Win32DosBoxFallbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    emulator = folder.write("emu dir\\GAME.COM", "\xC3");
    folder.write("emu dir\\DOSGAME.EXE", std::string("MZ") + std::string(62, '\0'));
    disk = folder.write("disks\\A.DSK", "d");
    dosBox = folder.write("DOSBox-0.74-3\\DOSBox.exe");
    ASSERT_NE(::CopyFileA(VORLENT_RECORDER, toSystemText(dosBox).c_str(), FALSE), 0);
    record = folder.at("record.txt");
    ::SetEnvironmentVariableA("VORLENT_RECORD_TO", toSystemText(record).c_str());
  }

  std::unique_ptr<ProcessStarter> starter(int firstAnswer, std::optional<std::string> found) {
    return win32::makeWin32ProcessStarter(
        [this, firstAnswer](const char* application, std::string commandLine) {
          calls.push_back(
              {application ? std::optional<std::string>(application) : std::nullopt, commandLine});
          return calls.size() == 1 ? StartResult::failure(firstAnswer)
                                   : win32::createProcess(application, std::move(commandLine));
        },
        [this, found] {
          ++searches;
          return found;
        });
  }

  // What DOSBox would be given: its own path, quoted, then the commands.
  std::string dosBoxCommands(const std::string& commands) const {
    return "\"" + toSystemText(dosBox) + "\" " + commands;
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

TEST_F(Win32DosBoxFallbackTest, AnEmulatorCommandLineRunsInDosBoxWithItsFoldersMounted) {
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  const StartResult result = starter(ERROR_BAD_EXE_FORMAT, dosBox)
                                 ->startCommandLine("GAME.COM -msx2 -diska " + disk + " -cart1 X");

  EXPECT_TRUE(result.started) << result.errorCode;
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].application, std::nullopt);
  EXPECT_EQ(calls[1].application, toSystemText(dosBox));
  const std::string expected =
      dosBoxCommands("-c \"mount -u c\" -c \"mount c \\\"" + toSystemText(folder.at("emu dir")) +
                     "\\\"\" -c \"mount -u d\" -c \"mount d " + toSystemText(folder.at("disks")) +
                     "\" -c \"c:\" -c \"GAME.COM -msx2 -diska D:\\A.DSK -cart1 X\" -c \"exit\"");
  EXPECT_EQ(calls[1].commandLine, expected);
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->substr(0, recorded->find('\n')), expected);
}

TEST_F(Win32DosBoxFallbackTest, AListedMsDosProgramRunsInDosBoxByItsName) {
  const std::string program = folder.at("emu dir\\DOSGAME.EXE");
  const StartResult result = starter(ERROR_BAD_EXE_FORMAT, dosBox)->startProgram(program);

  EXPECT_TRUE(result.started) << result.errorCode;
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].application, toSystemText(program));
  EXPECT_EQ(
      calls[1].commandLine,
      dosBoxCommands("-c \"mount -u c\" -c \"mount c \\\"" + toSystemText(folder.at("emu dir")) +
                     "\\\"\" -c \"c:\" -c \"DOSGAME.EXE\" -c \"exit\""));
}

// Only an MS-DOS program refused with ERROR_BAD_EXE_FORMAT goes to DOSBox, and only when there
// is one and the arguments fit; otherwise the first answer stands.
TEST_F(Win32DosBoxFallbackTest, OtherwiseTheFirstFailureStands) {
  const std::string native = folder.write("emu dir\\NATIVE.EXE");
  ASSERT_NE(::CopyFileA(VORLENT_RECORDER, toSystemText(native).c_str(), FALSE), 0);
  const struct {
    const char* what;
    int firstAnswer;
    std::optional<std::string> dosBoxFound;
    std::string commandLine;
    int searches;
  } cases[] = {
      {"no DOSBox", ERROR_BAD_EXE_FORMAT, std::nullopt, "GAME.COM -msx2", 1},
      {"a Windows program", ERROR_BAD_EXE_FORMAT, dosBox, "NATIVE.EXE", 0},
      {"another failure", ERROR_ACCESS_DENIED, dosBox, "GAME.COM", 0},
      {"arguments too long for MS-DOS", ERROR_BAD_EXE_FORMAT, dosBox,
       "GAME.COM " + std::string(130, 'a'), 1},
      {"a missing program", ERROR_BAD_EXE_FORMAT, dosBox, "GONE.COM", 0},
  };
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    calls.clear();
    searches = 0;
    const StartResult result =
        starter(c.firstAnswer, c.dosBoxFound)->startCommandLine(c.commandLine);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorCode, c.firstAnswer);
    EXPECT_EQ(calls.size(), 1u);
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
    const StartResult result = starter(ERROR_BAD_EXE_FORMAT, dosBox)->startCommandLine(commandLine);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.errorCode, ERROR_INVALID_NAME);
    EXPECT_EQ(result.problem, StartProblem::RefusedDosWord);
    EXPECT_EQ(calls.size(), 1u);
  }
  EXPECT_FALSE(files->fileExists(record));
}

// Where the system starts MS-DOS programs itself (32-bit Windows), an MS-DOS program whose
// arguments are longer than the 126 bytes MS-DOS hands a program, counted in the code page, is
// not started at all, as DOSBox would not start it; a Windows program is started whatever its
// arguments.
TEST_F(Win32DosBoxFallbackTest, ADirectlyStartedMsDosProgramGetsTheSameTailCheck) {
  const std::string native = folder.write("emu dir\\NATIVE.EXE");
  ASSERT_NE(::CopyFileA(VORLENT_RECORDER, toSystemText(native).c_str(), FALSE), 0);
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
        [this](const char* application, std::string commandLine) {
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
      EXPECT_EQ(calls[0].commandLine, toSystemText(c.commandLine));
    } else {
      EXPECT_EQ(result.errorCode, ERROR_FILENAME_EXCED_RANGE);
      EXPECT_TRUE(calls.empty());
    }
    EXPECT_EQ(searches, 0);
  }
}

}  // namespace
}  // namespace vorlent
