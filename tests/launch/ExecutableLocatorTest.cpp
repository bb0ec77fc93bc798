// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "launch/ExecutableLocator.h"
#include "platform/StartTestSupport.h"
#include "support/RecordingFeedback.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedPrompts;

const std::string kConfirmation =
    "box 情報: 実行ファイルのディレクトリを確認しました\r\n"
    "エキスプローラなどで実行ファイルのプロパティーが適切か確認してください";

const std::string kMarksShown = "marks shown";

class ExecutableLocatorTest : public ::testing::Test {
 protected:
  LocatorServices services() {
    // The buttons show the marks in the order of the other feedback.
    return LocatorServices{*currentFolder,   *files,
                           *fileNames,       *shortPaths,
                           prompts,          feedback,
                           PathStyle::Posix, [this] { feedback.events.push_back(kMarksShown); }};
  }

  testing::CurrentFolderGuard restore;
  testing::TempFolder root;
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<FileNameMatcher> fileNames = makeFileNameMatcher();
  std::unique_ptr<ShortPaths> shortPaths = makeShortPaths();
  ScriptedPrompts prompts;
  testing::RecordingFeedback feedback;
  LauncherState state;
  ExecutableMarks marks;
};

TEST(ExecutableCandidateTest, OneDelimiterBetweenFolderAndName) {
  struct Case {
    const char* folder;
    PathStyle style;
    const char* candidate;
  };
  const Case cases[] = {
      {R"(C:\)", PathStyle::Windows, R"(C:\fmsx-dos.exe)"},
      {R"(C:\EMU)", PathStyle::Windows, R"(C:\EMU\fmsx-dos.exe)"},
      {R"(C:\EMU\)", PathStyle::Windows, R"(C:\EMU\fmsx-dos.exe)"},
      {"/", PathStyle::Posix, "/fmsx-dos.exe"},
      {"/emu", PathStyle::Posix, "/emu/fmsx-dos.exe"},
      {"/emu/", PathStyle::Posix, "/emu/fmsx-dos.exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(executableCandidate(c.folder, "fmsx-dos.exe", c.style), c.candidate) << c.folder;
  }
}

TEST_F(ExecutableLocatorTest, ChoosingTheFolderTakesTheExecutableAsStoredOnDisk) {
  const std::string fmsx = root.write("emu/FMSX-DOS.EXE");
  const std::string brmsx = root.write("emu/brmsx.exe");
  currentFolder->set(root.string());
  prompts.folder = root.at("emu");

  EXPECT_TRUE(chooseFmsxFolder(state, marks, services()));
  EXPECT_EQ(state.fmsxExePath, fmsx);
  EXPECT_TRUE(chooseBrmsxFolder(state, marks, services()));
  EXPECT_EQ(state.brmsxExePath, brmsx);

  EXPECT_EQ(prompts.asked,
            (std::vector<std::string>{
                "Choose the directory of the place of the \"fmsx-dos.exe\".|" + root.string(),
                "Choose the directory of the place of the \"brmsx.exe\".|" + root.string()}));
  // The button shows image 4 before the cue plays and the confirmation opens.
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{kMarksShown, "sound: sound/ok.wav", kConfirmation,
                                      kMarksShown, "sound: sound/ok.wav", kConfirmation}));
  EXPECT_EQ(marks, (ExecutableMarks{true, true, false}));
  EXPECT_EQ(executableButtonImage(marks.fmsx), 4);
}

TEST_F(ExecutableLocatorTest, CancelOrAFolderWithoutTheExecutableChangesNothing) {
  root.write("other/fmsx-dos.exe.bak");
  state.fmsxExePath = "/kept/fmsx-dos.exe";
  const std::optional<std::string> answers[] = {std::nullopt, root.at("other"), root.at("missing"),
                                                std::string("/")};
  for (const auto& answer : answers) {
    prompts.folder = answer;
    EXPECT_FALSE(chooseFmsxFolder(state, marks, services()));
  }
  EXPECT_EQ(state.fmsxExePath, "/kept/fmsx-dos.exe");
  EXPECT_EQ(marks, ExecutableMarks{});
  EXPECT_TRUE(feedback.events.empty());
}

TEST_F(ExecutableLocatorTest, ACurrentFolderThatIsGoneIsNoInitialSelection) {
  const fs::path gone = root.path() / "gone";
  fs::create_directories(gone);
  currentFolder->set(gone.string());
  fs::remove(gone);
  chooseBrmsxFolder(state, marks, services());
  EXPECT_EQ(prompts.asked,
            std::vector<std::string>{"Choose the directory of the place of the \"brmsx.exe\".|"});
}

TEST_F(ExecutableLocatorTest, AFolderWithBlanksIsStoredByItsBlankFreeShortForm) {
  testing::TempFolder home;
  const testing::ScopedVariable privateHome("HOME", home.string());
  const testing::ScopedVariable noDataHome("XDG_DATA_HOME", std::nullopt);
  root.write("My Emulators/BRMSX.EXE");
  prompts.folder = root.at("My Emulators");
  EXPECT_TRUE(chooseBrmsxFolder(state, marks, services()));
  EXPECT_EQ(state.brmsxExePath.find(' '), std::string::npos) << state.brmsxExePath;
  EXPECT_EQ(fs::path(state.brmsxExePath).filename(), "BRMSX.EXE");
  EXPECT_TRUE(fs::equivalent(state.brmsxExePath, root.at("My Emulators/BRMSX.EXE")));
}

FileList focusedList(const std::string& caption, const std::string& fullPath) {
  FileList list;
  FileListEntry other;
  other.caption = "readme.txt";
  FileListEntry entry;
  entry.caption = caption;
  entry.fullPath = fullPath;
  list.assign({other, entry});
  list.setSelected(1, true);
  list.setFocused(1);
  return list;
}

TEST_F(ExecutableLocatorTest, TheListedExecutableIsTakenByItsCaptionInLowerCase) {
  const std::string upper = root.write("FMSX-DOS.EXE");
  EXPECT_TRUE(takeListedFmsx(state, marks, focusedList("FMSX-DOS.EXE", upper), services()));
  EXPECT_EQ(state.fmsxExePath, upper);
  const std::string brmsx = root.write("BrMsx.exe");
  EXPECT_TRUE(takeListedBrmsx(state, marks, focusedList("BrMsx.exe", brmsx), services()));
  EXPECT_EQ(state.brmsxExePath, brmsx);
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"sound: sound/ok.wav", kMarksShown, kConfirmation,
                                      "sound: sound/ok.wav", kMarksShown, kConfirmation}));
  EXPECT_EQ(marks, (ExecutableMarks{true, true, false}));
}

TEST_F(ExecutableLocatorTest, OtherListedFilesAreNotTaken) {
  const std::string path = root.write("fmsx.exe");
  EXPECT_FALSE(takeListedFmsx(state, marks, focusedList("fmsx.exe", path), services()));
  EXPECT_FALSE(takeListedBrmsx(state, marks, focusedList("fmsx-dos.exe", path), services()));
  FileList unselected = focusedList("fmsx-dos.exe", path);
  unselected.clearSelection();
  EXPECT_FALSE(takeListedFmsx(state, marks, unselected, services()));
  EXPECT_EQ(state, LauncherState{});
  EXPECT_EQ(marks, ExecutableMarks{});
  EXPECT_TRUE(feedback.events.empty());
}

TEST_F(ExecutableLocatorTest, AListedFileWithoutAShortFormIsStoredEmpty) {
  state.fmsxExePath = "/old/fmsx-dos.exe";
  EXPECT_TRUE(
      takeListedFmsx(state, marks, focusedList("fmsx-dos.exe", root.at("gone")), services()));
  EXPECT_EQ(state.fmsxExePath, "");
}

TEST_F(ExecutableLocatorTest, MarksAtStartOnlyForExecutablesThatExistAndNeverUnmarks) {
  state.fmsxExePath = root.write("emu/fmsx-dos.exe");
  state.brmsxExePath = root.at("emu/brmsx.exe");
  state.palamsxExePath = root.write("emu/palamsx.exe");
  markKnownExecutables(state, marks, *files);
  EXPECT_EQ(marks, (ExecutableMarks{true, false, true}));

  fs::remove(state.fmsxExePath);
  markKnownExecutables(state, marks, *files);
  EXPECT_EQ(marks, (ExecutableMarks{true, false, true}));
  EXPECT_EQ(executableButtonImage(marks.brmsx), 3);
  EXPECT_TRUE(feedback.events.empty());
}

}  // namespace
}  // namespace vorlent
