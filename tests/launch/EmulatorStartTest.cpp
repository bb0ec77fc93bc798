// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "launch/EmulatorStart.h"
#include "launch/FmsxCommand.h"
#include "platform/CommandLineWords.h"
#include "platform/Failure.h"
#include "platform/StartTestSupport.h"
#include "support/RecordingFeedback.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;
using testing::RecordingFeedback;

// Notes the current folder whenever a message is shown, then records it as usual.
class FolderNotingFeedback final : public Feedback {
 public:
  explicit FolderNotingFeedback(CurrentFolder& currentFolder) : currentFolder_(currentFolder) {}
  void showStatus(std::string_view text) override { recorded.showStatus(text); }
  void setStatusPanel(StatusPanel panel, std::string_view text) override {
    recorded.setStatusPanel(panel, text);
  }
  void playSoundCue(SoundCue cue) override { recorded.playSoundCue(cue); }
  void showMessageBox(MessageKind kind, std::string_view text) override {
    foldersAtMessage.push_back(currentFolder_.get());
    recorded.showMessageBox(kind, text);
  }
  void reportError(std::string_view failureText) override { recorded.reportError(failureText); }

  RecordingFeedback recorded;
  std::vector<std::string> foldersAtMessage;

 private:
  CurrentFolder& currentFolder_;
};

// Passes every start on to the real starter and keeps the command lines and paths it was given.
class LoggingStarter final : public ProcessStarter {
 public:
  StartResult startCommandLine(std::string_view commandLine) override {
    log.emplace_back(commandLine);
    return real->startCommandLine(commandLine);
  }
  StartResult startProgram(std::string_view programPath) override {
    log.emplace_back(programPath);
    return real->startProgram(programPath);
  }
  std::unique_ptr<ProcessStarter> real = makeProcessStarter();
  std::vector<std::string> log;
};

class EmulatorStartTest : public ::testing::Test {
 protected:
  EmulatorStartTest() {
    fs::create_directories(root.path() / "listed");
    currentFolder->set((root.path() / "listed").string());
    listed = currentFolder->get();
  }

  StartServices services() {
    return StartServices{LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText},
                         starter, feedback};
  }

  // A recording stand-in stored on disk as `diskName` in the folder `folder` below the root.
  std::string fakeEmulator(const std::string& folder, const std::string& diskName,
                           const std::string& recordName) {
    const std::string path =
        root.write(folder + "/" + diskName, testing::recordingScript(root.path() / recordName));
    testing::makeExecutable(path);
    return path;
  }

  // The arguments and folder a started stand-in recorded, one a line.
  std::string recorded(const std::string& recordName) {
    return testing::waitForFile(root.path() / recordName).value_or("(nothing recorded)");
  }

  static std::string expectedRecord(const std::string& commandLine, const fs::path& folder) {
    const std::vector<std::string> words = splitAtBlanks(commandLine);
    std::string lines;
    for (std::size_t i = 1; i < words.size(); ++i) {
      lines += words[i] + "\n";
    }
    return lines + "cwd=" + folder.string() + "\n";
  }

  testing::CurrentFolderGuard restore;
  testing::TempFolder root;
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  LoggingStarter starter;
  FolderNotingFeedback feedback{*currentFolder};
  std::string listed;
};

TEST_F(EmulatorStartTest, TheEmulatorGetsTheComposedLineInItsFolderWhateverTheCaseOnDisk) {
  struct Case {
    EmulatorKind emulator;
    const char* diskName;
  };
  const Case cases[] = {
      {EmulatorKind::Brmsx, "brmsx.exe"},   {EmulatorKind::Brmsx, "BRMSX.EXE"},
      {EmulatorKind::Brmsx, "BrMsx.Exe"},   {EmulatorKind::Fmsx, "fmsx-dos.exe"},
      {EmulatorKind::Fmsx, "FMSX-DOS.EXE"},
  };
  int number = 0;
  for (const Case& c : cases) {
    const std::string folder = "emu" + std::to_string(++number);
    const std::string record = "record" + std::to_string(number);
    fakeEmulator(folder, c.diskName, record);
    LauncherState state;
    state.activeEmulator = c.emulator;
    state.brmsxExePath = root.at(folder + "/brmsx.exe");
    state.fmsxExePath = root.at(folder + "/fmsx-dos.exe");
    state.slots[0].path = root.write("media/A.ROM");
    state.slots[0].mapper = 9;
    state.drives[0].path = std::string(kPcDriveMarker);
    state.tapePath = root.write("media/T.CAS");
    state.fmsxOptions.sound = 3;
    state.brmsxOptions.scc = 1;
    root.write(folder + "/Vorlent.cfg");

    EXPECT_TRUE(runCurrent(state, services())) << c.diskName;
    ASSERT_EQ(starter.log.size(), static_cast<std::size_t>(number));
    const std::string& line = starter.log.back();
    const std::string expectedLine = c.emulator == EmulatorKind::Brmsx
                                         ? "brmsx.exe -res 0 -roma 2 " + state.slots[0].path +
                                               " -mount a: -tape " + state.tapePath + " -scc"
                                         : "fmsx-dos.exe @Vorlent.cfg -rom 2 " +
                                               state.slots[0].path + " -diska a: -tape " +
                                               state.tapePath;
    EXPECT_EQ(line, expectedLine);
    EXPECT_EQ(recorded(record), expectedRecord(line, root.path() / folder)) << c.diskName;
    EXPECT_EQ(currentFolder->get(), listed);
  }
  EXPECT_TRUE(feedback.recorded.events.empty());
}

TEST_F(EmulatorStartTest, FiveStartsOnlyTheActiveEmulator) {
  fakeEmulator("emu", "brmsx.exe", "brmsx-record");
  fakeEmulator("emu", "fmsx-dos.exe", "fmsx-record");
  LauncherState state;
  state.brmsxExePath = root.at("emu/brmsx.exe");
  state.fmsxExePath = root.at("emu/fmsx-dos.exe");

  EXPECT_TRUE(runCurrent(state, services()));
  EXPECT_EQ(starter.log, std::vector<std::string>{"brmsx.exe -res 0"});
  EXPECT_EQ(recorded("brmsx-record"), "-res\n0\ncwd=" + root.at("emu") + "\n");

  starter.log.clear();
  state.activeEmulator = EmulatorKind::Fmsx;
  EXPECT_TRUE(runCurrent(state, services()));
  EXPECT_EQ(starter.log, std::vector<std::string>{"fmsx-dos.exe"});
  EXPECT_EQ(recorded("fmsx-record"), "cwd=" + root.at("emu") + "\n");
}

TEST_F(EmulatorStartTest, AFailedStartIsShownFromTheEmulatorsFolderWhichIsLeftAfterwards) {
  root.write("plain/brmsx.exe", "#!/bin/sh\nexit 0\n");  // no execute permission
  // Too large for a .COM image, which would go to DOSBox.
  const std::string garbage = "\x7f\x01 not a program" + std::string(0xFF00, 'x');
  testing::makeExecutable(root.write("garbage/brmsx.exe", garbage));
  testing::makeExecutable(root.write("garbage/fmsx-dos.exe", garbage));
  fs::create_directories(root.path() / "empty");
  struct Case {
    EmulatorKind emulator;
    const char* folder;
    const char* message;
  };
  const Case cases[] = {
      {EmulatorKind::Brmsx, "empty", "\"brmsx.exe\" can not be carried out. (2)"},
      {EmulatorKind::Fmsx, "empty", "\"fmsx-dos.exe\" can not be carried out. (2)"},
      {EmulatorKind::Brmsx, "plain", "\"brmsx.exe\" can not be carried out. (13)"},
      {EmulatorKind::Brmsx, "garbage", "\"brmsx.exe\" can not be carried out. (8)"},
      {EmulatorKind::Fmsx, "garbage", "\"fmsx-dos.exe\" can not be carried out. (8)"},
  };
  for (const Case& c : cases) {
    FolderNotingFeedback shown(*currentFolder);
    LauncherState state;
    state.brmsxExePath = root.at(std::string(c.folder) + "/brmsx.exe");
    state.fmsxExePath = root.at(std::string(c.folder) + "/fmsx-dos.exe");
    const StartServices failing{
        LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText}, starter, shown};
    EXPECT_FALSE(runEmulator(c.emulator, state, failing)) << c.message;
    EXPECT_EQ(shown.recorded.events,
              std::vector<std::string>{"box 情報: " + std::string(c.message)});
    EXPECT_EQ(shown.foldersAtMessage, std::vector<std::string>{root.at(c.folder)});
    EXPECT_TRUE(shown.recorded.sounds.empty());
    EXPECT_EQ(currentFolder->get(), listed) << c.message;
  }
}

// An emulator that was never located starts nothing, however its line would begin: the box
// names it as for a missing file and says where to locate it, and no program named like an option
// runs from the listed folder or the search path.
TEST_F(EmulatorStartTest, AnEmulatorWithoutAPathStartsNothing) {
  for (const char* option : {"-res", "-RES", "-rom", "-msx1", "-diska", "@Vorlent.cfg", "-tape"}) {
    fakeEmulator("listed", option, "option-record");
  }
  const std::string tape = root.write("media/T.CAS");
  const std::string rom = root.write("media/A.ROM");
  struct Case {
    EmulatorKind emulator;
    const char* message;
  };
  const Case cases[] = {
      {EmulatorKind::Brmsx,
       "\"brmsx.exe\" can not be carried out. (2)\n"
       "brmsx.exe の場所が指定されていません。「BRMSX 2.6(MS-DOS)」タブの「実行ファイル」か、"
       "実行 → 実行ファイルのディレクトリ → brmsx.exe で、brmsx.exe "
       "のあるフォルダを選んでください。"},
      {EmulatorKind::Fmsx,
       "\"fmsx-dos.exe\" can not be carried out. (2)\n"
       "fmsx-dos.exe の場所が指定されていません。「fMSX MS-DOS 1.6b2.a」タブの「実行ファイル」か、"
       "実行 → 実行ファイルのディレクトリ → fmsx-dos.exe で、fmsx-dos.exe のあるフォルダを選んで"
       "ください。"},
  };
  for (const Case& c : cases) {
    for (const int model : {0, 1, 2}) {
      RecordingFeedback shown;
      LauncherState state;
      state.fmsxModel = model;
      state.brmsxModel = model;
      state.slots[0].path = rom;
      state.slots[0].mapper = 7;
      state.tapePath = tape;
      state.fmsxOptions.sound = 3;
      const StartServices unlocated{
          LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText}, starter, shown};
      EXPECT_FALSE(runEmulator(c.emulator, state, unlocated)) << c.message;
      EXPECT_EQ(shown.events, std::vector<std::string>{"box 情報: " + std::string(c.message)});
      EXPECT_EQ(currentFolder->get(), listed);
    }
  }
  EXPECT_TRUE(starter.log.empty());
  EXPECT_FALSE(fs::exists(root.path() / "option-record"));
}

// A FIFO in the response file's place is no regular file to write: the run is refused at once
// instead of waiting for a reader, and starts nothing.
TEST_F(EmulatorStartTest, AResponseFileThatIsAFifoNeverBlocksTheRun) {
  const std::string emulator = fakeEmulator("emu", "fmsx-dos.exe", "record");
  ASSERT_EQ(::mkfifo(root.at("emu/Vorlent.cfg").c_str(), 0600), 0);
  LauncherState state;
  state.fmsxExePath = emulator;
  state.fmsxOptions.sound = 3;
  std::string failure;
  testing::withinWatchdog([&] {
    try {
      runFmsx(state, services());
    } catch (const Failure& thrown) {
      failure = thrown.what();
    }
  });
  EXPECT_EQ(failure, notARegularFileText(root.at("emu/Vorlent.cfg")));
  EXPECT_TRUE(starter.log.empty());
  EXPECT_EQ(currentFolder->get(), listed);
}

TEST_F(EmulatorStartTest, AResponseFileThatCannotBeWrittenStartsNothingAndRestoresTheFolder) {
  const std::string emulator = fakeEmulator("emu", "fmsx-dos.exe", "record");
  // A folder of the response file's name takes no write, for root and every other user alike.
  fs::create_directory(root.path() / "emu" / "Vorlent.cfg");
  LauncherState state;
  state.fmsxExePath = emulator;
  state.fmsxOptions.sound = 3;
  try {
    runFmsx(state, services());
    ADD_FAILURE() << "the run went on after the failed write";
  } catch (const Failure& failure) {
    EXPECT_STREQ(failure.what(), "ファイルへのアクセスが拒否されました");
  }
  EXPECT_TRUE(starter.log.empty());
  EXPECT_EQ(currentFolder->get(), listed);
}

FileList listOf(const std::vector<std::string>& paths) {
  std::vector<FileListEntry> entries;
  for (const std::string& path : paths) {
    FileListEntry entry;
    entry.caption = fs::path(path).filename().string();
    entry.fullPath = path;
    entries.push_back(entry);
  }
  FileList list;
  list.assign(entries);
  return list;
}

TEST_F(EmulatorStartTest, AListedProgramWithBlanksInItsPathStartsExactlyThatProgram) {
  const std::string program = fakeEmulator("Program Files/App", "x.exe", "listed-record");
  fakeEmulator("", "Program", "decoy-record");
  fakeEmulator("", "Program.exe", "decoy-record");
  FileList list = listOf({program});
  list.setSelected(0, true);
  list.setFocused(0);

  EXPECT_TRUE(runListedProgram(list, starter, feedback));
  EXPECT_EQ(starter.log, std::vector<std::string>{program});
  EXPECT_EQ(recorded("listed-record"), "cwd=" + listed + "\n");
  EXPECT_FALSE(fs::exists(root.path() / "decoy-record"));
  EXPECT_EQ(currentFolder->get(), listed);
  EXPECT_TRUE(feedback.recorded.events.empty());
}

TEST_F(EmulatorStartTest, AListedProgramNeedsExactlyOneSelectedEntry) {
  FileList list = listOf({root.at("a.exe"), root.at("b.exe")});
  EXPECT_FALSE(runListedProgram(list, starter, feedback));
  list.setSelected(0, true);
  list.setSelected(1, true);
  list.setFocused(1);
  EXPECT_FALSE(runListedProgram(list, starter, feedback));
  EXPECT_TRUE(starter.log.empty());
  EXPECT_TRUE(feedback.recorded.events.empty());
}

TEST_F(EmulatorStartTest, AListedProgramThatCannotStartIsShownByItsFullPath) {
  const std::string missing = root.at("Program Files/gone.exe");
  const std::string plain = root.write("Program Files/plain.exe", "#!/bin/sh\n");
  // Looking into a FIFO for the kind of program it is never waits for a writer.
  const std::string fifo = root.at("Program Files/fifo.exe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0700), 0);
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {missing, missing + " can not be carried out. (2)"},
      {plain, plain + " can not be carried out. (13)"},
      {fifo, fifo + " can not be carried out. (13)"},
  };
  for (const Case& c : cases) {
    RecordingFeedback shown;
    FileList list = listOf({root.at("other.exe"), c.path});
    list.setSelected(1, true);
    list.setFocused(1);
    bool started = true;
    testing::withinWatchdog([&] { started = runListedProgram(list, starter, shown); });
    EXPECT_FALSE(started);
    EXPECT_EQ(shown.events, std::vector<std::string>{"box 情報: " + c.message});
    EXPECT_EQ(currentFolder->get(), listed);
  }
}

}  // namespace
}  // namespace vorlent
