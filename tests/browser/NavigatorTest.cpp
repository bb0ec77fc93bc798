// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "browser/ListSort.h"
#include "browser/Navigator.h"
#include "support/CountingBusy.h"
#include "support/FakeDrives.h"
#include "support/RecordingFeedback.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/WithoutRootRights.h"

namespace vorlent {
namespace {

using testing::CountingBusy;
using testing::CurrentFolderGuard;
using testing::FakeDrives;
using testing::RecordingFeedback;
using testing::ScriptedPrompts;
using testing::TempFolder;

class RecordingOpener final : public DesktopOpener {
 public:
  void open(std::string_view path, std::string_view workingFolder) override {
    opened.push_back(std::string(path) + " in " + std::string(workingFolder));
  }
  std::vector<std::string> opened;
};

// Reports every message box with the busy depth at which it was shown.
class BusyAwareFeedback final : public Feedback {
 public:
  BusyAwareFeedback(RecordingFeedback& inner, CountingBusy& busy) : inner_(inner), busy_(busy) {}
  void showStatus(std::string_view text) override { inner_.showStatus(text); }
  void setStatusPanel(StatusPanel panel, std::string_view text) override {
    inner_.setStatusPanel(panel, text);
  }
  void playSoundCue(SoundCue cue) override { inner_.playSoundCue(cue); }
  void showMessageBox(MessageKind kind, std::string_view text) override {
    boxesUnderHourglass += busy_.depth > 0 ? 1 : 0;
    inner_.showMessageBox(kind, text);
  }
  void reportError(std::string_view text) override { inner_.reportError(text); }
  int boxesUnderHourglass = 0;

 private:
  RecordingFeedback& inner_;
  CountingBusy& busy_;
};

constexpr const char* kDriveLines =
    "ドライブにアクセスできません\r\nメディアが挿入されているかドライブが正しく接続されているか確認"
    "して下さい";

class NavigatorTest : public ::testing::Test {
 protected:
  NavigatorTest() {
    std::filesystem::create_directories(folder.at("sub/deeper"));
    std::filesystem::create_directory(folder.at("media"));
    for (const char* name : {"one.rom", "two.dsk", "three.cas"}) {
      folder.write(std::string("sub/") + name);
    }
    drives.drives = {{'a', DriveType::Fixed, folder.string()},
                     {'b', DriveType::Removable, folder.at("media")},
                     {'c', DriveType::Unknown, "/nowhere"}};
    drives.spaces[folder.string()] = {10 * 1024 + 1023, 3 * 1024};
    drives.unreadable.insert(folder.at("media"));
    navigator.setListedFolderHook(
        [this](std::string_view caption) { captions.emplace_back(caption); });
  }

  std::vector<std::string> captionsOfList() const {
    std::vector<std::string> result;
    for (const FileListEntry& entry : list.entries()) {
      result.push_back(entry.caption);
    }
    return result;
  }

  void expectConsistent() {
    EXPECT_EQ(currentFolder->get(), navigator.listedFolder());
    EXPECT_EQ(busy.depth, 0);
    EXPECT_EQ(recordingShim.boxesUnderHourglass, 0);
  }

  CurrentFolderGuard restore;
  TempFolder folder;
  FileList list;
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<FolderEnumerator> folders = makeFolderEnumerator();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  FakeDrives drives;
  RecordingOpener opener;
  RecordingFeedback feedback;
  CountingBusy busy;
  BusyAwareFeedback recordingShim{feedback, busy};
  ScriptedPrompts prompts;
  Navigator navigator{
      list, {*currentFolder, *folders, drives, *files, opener, recordingShim, prompts, busy}};
  std::vector<std::string> captions;
};

TEST_F(NavigatorTest, ListingSetsTheCaptionFromTheCurrentFolder) {
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  EXPECT_TRUE(navigator.showCurrentFolder());
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
  EXPECT_EQ(captions, std::vector<std::string>{folder.at("sub")});
  EXPECT_EQ(list.count(), 5u);  // three files, "deeper" and ".."
  EXPECT_TRUE(feedback.events.empty());
  expectConsistent();
}

TEST_F(NavigatorTest, EnteringTheParentNeverLeavesTwoDotsInTheCaption) {
  ASSERT_TRUE(currentFolder->set(folder.at("sub/deeper")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  ASSERT_NE(list.parentEntry(), nullptr);
  const std::string up = list.parentEntry()->fullPath;
  EXPECT_EQ(up, folder.at("sub/deeper") + "/..");

  navigator.enterFolder(up);
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
  EXPECT_EQ(captions.back(), folder.at("sub"));
  for (const FileListEntry& entry : list.entries()) {
    EXPECT_EQ(entry.fullPath.find("/../"), std::string::npos) << entry.fullPath;
  }
  EXPECT_EQ(feedback.panels[0], "4 個のｵﾌﾞｼﾞｪｸﾄ");
  expectConsistent();

  // Up to the root of the whole tree, where the caption is "/" and ".." is not listed.
  for (int guard = 0; guard < 64 && list.parentEntry() != nullptr; ++guard) {
    navigator.enterFolder(list.parentEntry()->fullPath);
  }
  EXPECT_EQ(navigator.listedFolder(), "/");
  EXPECT_EQ(captions.back(), "/");
  expectConsistent();
}

TEST_F(NavigatorTest, ObjectCountLeavesOutTheParentEntry) {
  const struct {
    std::vector<std::string> captions;
    const char* text;
  } cases[] = {
      {{}, "0 個のｵﾌﾞｼﾞｪｸﾄ"},
      {{".."}, "0 個のｵﾌﾞｼﾞｪｸﾄ"},
      {{"a"}, "1 個のｵﾌﾞｼﾞｪｸﾄ"},
      {{"a", "b", "c"}, "3 個のｵﾌﾞｼﾞｪｸﾄ"},
      {{"a", "..", "b", "c"}, "3 個のｵﾌﾞｼﾞｪｸﾄ"},
      {{"...", ". ."}, "2 個のｵﾌﾞｼﾞｪｸﾄ"},
  };
  for (const auto& c : cases) {
    std::vector<FileListEntry> entries(c.captions.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      entries[i].caption = c.captions[i];
    }
    list.assign(entries);
    navigator.showObjectCount();
    EXPECT_EQ(feedback.panels[0], c.text) << c.captions.size();
  }
}

TEST_F(NavigatorTest, DriveSizeInWholeKilobytes) {
  const struct {
    DriveSpace space;
    const char* text;
  } cases[] = {
      {{10 * 1024 + 1023, 3 * 1024}, "全容量　10Kbytes　　 空き容量　3 Kbytes"},
      {{-1, -1}, "全容量　0Kbytes　　 空き容量　0 Kbytes"},
      {{1023, -1}, "全容量　0Kbytes　　 空き容量　0 Kbytes"},
      {{8'000'000'000'000LL, 1024}, "全容量　7812500000Kbytes　　 空き容量　1 Kbytes"},
  };
  ASSERT_TRUE(currentFolder->set(folder.string()));
  for (const auto& c : cases) {
    drives.spaces[folder.string()] = c.space;
    navigator.showDriveSize();
    EXPECT_EQ(feedback.panels[1], c.text);
  }
  EXPECT_EQ(drives.asked.back(), folder.string());
}

TEST_F(NavigatorTest, DriveButtonsFromThePlatform) {
  navigator.readDrives();
  const DriveButtons& buttons = navigator.driveButtons();
  EXPECT_TRUE(buttons[0].visible);
  EXPECT_EQ(buttons[0].caption, "A:HDD");
  EXPECT_EQ(buttons[0].iconIndex, 1);
  EXPECT_EQ(buttons[0].root, folder.string());
  EXPECT_EQ(buttons[1].caption, "B:RDD");
  EXPECT_FALSE(buttons[2].visible);
  EXPECT_FALSE(buttons[25].visible);
  EXPECT_EQ(buttons[25].letter, 'z');
  EXPECT_EQ(busy.depth, 0);
}

TEST_F(NavigatorTest, ADriveButtonListsTheDrivesRootEvenFromBelowIt) {
  navigator.readDrives();
  ASSERT_TRUE(currentFolder->set(folder.at("sub/deeper")));
  ASSERT_TRUE(navigator.showCurrentFolder());

  navigator.openDrive('a');
  EXPECT_EQ(navigator.listedFolder(), folder.string());
  EXPECT_EQ(captions.back(), folder.string());
  EXPECT_EQ(feedback.panels[0], "2 個のｵﾌﾞｼﾞｪｸﾄ");
  EXPECT_EQ(feedback.panels[1], "全容量　10Kbytes　　 空き容量　3 Kbytes");
  EXPECT_TRUE(feedback.sounds.empty());
  expectConsistent();
}

TEST_F(NavigatorTest, ADriveThatIsNotReadyChangesNothing) {
  navigator.readDrives();
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  const auto before = list.entries();
  feedback.events.clear();

  // 'b' has no readable size; 'c' and 'q' have no button.
  for (const char letter : {'b', 'c', 'q'}) {
    feedback.events.clear();
    navigator.openDrive(letter);
    const std::string upper(1, static_cast<char>(letter - 'a' + 'A'));
    EXPECT_EQ(feedback.events,
              (std::vector<std::string>{
                  "sound: sound/error.wav", "box エラー: " + upper + ":" + kDriveLines,
                  "panel 0: 4 個のｵﾌﾞｼﾞｪｸﾄ", "panel 1: 全容量　10Kbytes　　 空き容量　3 Kbytes"}));
    EXPECT_EQ(list.entries(), before);
    EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
    expectConsistent();
  }
  EXPECT_EQ(captions.size(), 1u);
}

TEST_F(NavigatorTest, DriveIsReadyAsksForTheButtonsRoot) {
  navigator.readDrives();
  EXPECT_TRUE(navigator.driveIsReady('a'));
  EXPECT_TRUE(navigator.driveIsReady('A'));
  EXPECT_FALSE(navigator.driveIsReady('b'));
  EXPECT_FALSE(navigator.driveIsReady('c'));
  EXPECT_FALSE(navigator.driveIsReady('1'));
}

TEST_F(NavigatorTest, AFolderThatVanishedIsReportedAndNothingChanges) {
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  const auto before = list.entries();
  list.setSelected(0, true);
  std::filesystem::remove(folder.at("sub/deeper"));
  feedback.events.clear();

  navigator.enterFolder(folder.at("sub/deeper"));
  EXPECT_EQ(feedback.events[0], "sound: sound/error.wav");
  EXPECT_EQ(feedback.events[1], "box 警告: " + folder.at("sub/deeper") +
                                    ":フォルダにアクセスできません\r\n"
                                    "フォルダが存在するか、読み取りが許されているか確認して下さい");
  EXPECT_EQ(list.entries(), before);
  EXPECT_TRUE(list.isSelected(0));
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
  EXPECT_EQ(captions.size(), 1u);
  expectConsistent();

  // A file is no folder to enter either.
  feedback.events.clear();
  navigator.enterFolder(folder.at("sub/one.rom"));
  EXPECT_EQ(feedback.sounds.back(), "sound/error.wav");
  EXPECT_EQ(list.entries(), before);
  expectConsistent();
}

TEST_F(NavigatorTest, AFolderThatCanBeEnteredButNotReadIsLeftAgain) {
  std::filesystem::create_directory(folder.at("locked"));
  std::filesystem::permissions(folder.at("locked"), std::filesystem::perms::owner_exec |
                                                        std::filesystem::perms::others_exec);
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  EXPECT_TRUE(testing::holdsWithoutRootRights([&] {
    // The folder can be made current but not read, so the listing fails and is undone.
    if (!currentFolder->set(folder.at("locked")) || !currentFolder->set(folder.at("sub"))) {
      return false;
    }
    navigator.enterFolder(folder.at("locked"));
    return navigator.listedFolder() == folder.at("sub") &&
           currentFolder->get() == navigator.listedFolder() && busy.depth == 0 &&
           recordingShim.boxesUnderHourglass == 0;
  }));
}

TEST_F(NavigatorTest, RefreshOfAVanishedListedFolderKeepsTheList) {
  std::filesystem::create_directory(folder.at("gone"));
  ASSERT_TRUE(currentFolder->set(folder.at("gone")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  std::filesystem::remove(folder.at("gone"));
  const auto before = list.entries();
  EXPECT_FALSE(navigator.showCurrentFolder());
  EXPECT_EQ(list.entries(), before);
  EXPECT_EQ(feedback.sounds, std::vector<std::string>{"sound/error.wav"});
  EXPECT_EQ(busy.depth, 0);
}

TEST_F(NavigatorTest, FolderChooserOpensOnTheListedFolder) {
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  ASSERT_TRUE(navigator.showCurrentFolder());

  navigator.chooseFolder();  // cancelled
  EXPECT_EQ(prompts.asked, std::vector<std::string>{"ディレクトリを選択.|" + folder.at("sub")});
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
  EXPECT_EQ(captions.size(), 1u);

  prompts.folder = folder.at("sub/deeper");
  navigator.chooseFolder();
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub/deeper"));
  EXPECT_EQ(captions.back(), folder.at("sub/deeper"));
  EXPECT_EQ(feedback.panels[0], "0 個のｵﾌﾞｼﾞｪｸﾄ");
  EXPECT_TRUE(navigator.driveButtons()[0].visible);  // the refresh updates the drive buttons
  expectConsistent();

  prompts.folder = folder.at("missing");
  navigator.chooseFolder();
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub/deeper"));
  EXPECT_EQ(feedback.sounds.back(), "sound/error.wav");
  expectConsistent();
}

TEST_F(NavigatorTest, OpenDirectoryOnlyForASelectedFolder) {
  ASSERT_TRUE(currentFolder->set(folder.at("sub")));
  ASSERT_TRUE(navigator.showCurrentFolder());
  sortByColumn(list, ListColumn::Name, *makeSystemTextCodec());
  ASSERT_EQ(captionsOfList(),
            (std::vector<std::string>{"..", "deeper", "one.rom", "three.cas", "two.dsk"}));
  navigator.openInFileManager();  // nothing selected
  list.setSelected(2, true);
  list.setSelected(3, true);
  navigator.openInFileManager();  // files only
  EXPECT_TRUE(opener.opened.empty());

  list.setSelected(1, true);  // the first selected entry is now the folder
  navigator.openInFileManager();
  EXPECT_EQ(opener.opened,
            std::vector<std::string>{folder.at("sub/deeper") + " in " + folder.at("sub")});
  EXPECT_EQ(navigator.listedFolder(), folder.at("sub"));
  EXPECT_TRUE(feedback.events.empty());
  expectConsistent();
}

}  // namespace
}  // namespace vorlent
