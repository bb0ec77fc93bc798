// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/FileOperations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>

#include "browser/EntryIcon.h"
#include "platform/Failure.h"
#include "support/FakeDrives.h"
#include "support/HostileFiles.h"
#include "support/IdleServices.h"
#include "support/RecordingFeedback.h"
#include "support/RecordingShell.h"
#include "support/ScriptedProgress.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::CurrentFolderGuard;
using testing::FakeDrives;
using testing::RecordingFeedback;
using testing::RecordingShell;
using testing::ScriptedProgress;
using testing::ScriptedPrompts;
using testing::TempFolder;

class FileOperationsTest : public ::testing::Test {
 protected:
  FileOperationsTest() {
    std::filesystem::create_directory(folder.at("list"));
    listed = folder.at("list");
    folder.write("list/a.txt", "abc");
    folder.write("list/b.txt", "12345");
    std::filesystem::create_directory(folder.at("list/sub"));
    std::filesystem::current_path(listed);
    navigator.setListedFolderHook([this](std::string_view) { ++listings; });
    navigator.showCurrentFolder();
    listings = 0;
  }

  // Selects the entries by caption and focuses the first of them.
  void select(std::initializer_list<std::string_view> captions) {
    list.clearSelection();
    list.setFocused(std::nullopt);
    for (std::string_view caption : captions) {
      for (std::size_t i = 0; i < list.count(); ++i) {
        if (list.entries()[i].caption == caption) {
          list.setSelected(i, true);
          if (!list.focusedIndex()) list.setFocused(i);
        }
      }
    }
    ASSERT_EQ(list.selectedCount(), captions.size());
  }

  // The sounds and boxes sent, without the status panels of the refresh.
  std::vector<std::string> soundsAndBoxes() const {
    std::vector<std::string> events;
    for (const std::string& event : feedback.events) {
      if (!event.starts_with("panel")) events.push_back(event);
    }
    return events;
  }

  const FileListEntry* entryNamed(std::string_view caption) const {
    for (const FileListEntry& entry : list.entries()) {
      if (entry.caption == caption) return &entry;
    }
    return nullptr;
  }

  TempFolder folder;
  CurrentFolderGuard guard;
  std::string listed;
  std::unique_ptr<CurrentFolder> current = makeCurrentFolder();
  std::unique_ptr<FolderEnumerator> folders = makeFolderEnumerator();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<FileChanges> changes = makeFileChanges();
  FakeDrives drives;
  testing::NoOpener opener;
  testing::NoBusy busy;
  RecordingFeedback feedback;
  ScriptedPrompts prompts;
  RecordingShell shell;
  ScriptedProgress progress;
  FileList list;
  Navigator navigator{
      list, NavigatorServices{*current, *folders, drives, *files, opener, feedback, prompts, busy}};
  FileOperations operations{FileOperationServices{list, navigator, *current, *files, *changes,
                                                  shell, progress, feedback, prompts,
                                                  PathStyle::Posix}};
  int listings = 0;
};

TEST_F(FileOperationsTest, NewFileAndNewFolder) {
  const std::string clash = "を作成できませんでした !!\r\n";
  const struct {
    bool folder;
    std::optional<std::string> answer;
    std::vector<std::string> events;  // after the question
    int listings;
    std::string created;  // a path that exists afterwards, relative to the listed folder
  } cases[] = {
      {false, std::nullopt, {}, 0, ""},
      {false, "", {}, 0, ""},
      {false, "new.txt", {}, 1, "new.txt"},
      {false,
       "a.txt",
       {"sound: sound/error.wav", "box 警告: " + listed + "/a.txt" + clash +
                                      "同名のファイルがすでに存在、ファイル名が不正です"},
       0,
       ""},
      {true, std::nullopt, {}, 0, ""},
      {true, "made", {}, 1, "made"},
      {true,
       "sub",
       {"sound: sound/error.wav",
        "box 警告: " + listed + "/sub" + clash + "同名のフォルダが存在します"},
       0,
       ""},
      // A file of the name: the folder cannot be made, the second folder message.
      {true,
       "b.txt",
       {"sound: sound/error.wav", "box 警告: " + listed + "/b.txt" + clash +
                                      "同名のフォルダが存在するか、フォルダ名が不正です"},
       0,
       ""},
      {true, "two/levels", {}, 1, "two/levels"},
      // A trailing delimiter names the same folder.
      {true, "tr/", {}, 1, "tr"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancel)"));
    feedback.events.clear();
    prompts.asked.clear();
    listings = 0;
    prompts.texts = {c.answer};
    if (c.folder) {
      operations.newFolder();
    } else {
      operations.newFile();
    }
    EXPECT_EQ(prompts.asked,
              std::vector<std::string>{c.folder ? "新規フォルダの作成|名前を入力して下さい|"
                                                : "新規ファイルの作成|名前を入力して下さい|"});
    EXPECT_EQ(soundsAndBoxes(), c.events);
    EXPECT_EQ(listings, c.listings);
    if (!c.created.empty()) {
      const std::string path = listed + "/" + c.created;
      EXPECT_TRUE(c.folder ? files->folderExists(path) : files->fileExists(path));
      if (!c.folder) {
        EXPECT_EQ(files->readRegularFile(path, SIZE_MAX), "");
      }
    }
  }
  EXPECT_EQ(files->readRegularFile(listed + "/a.txt", SIZE_MAX), "abc");
  EXPECT_NE(entryNamed("two"), nullptr);  // the list shows the first level
}

TEST_F(FileOperationsTest, NewFileInAMissingFolderIsAFailureAndNoRefresh) {
  prompts.texts = {"missing/x.txt"};
  EXPECT_THROW(operations.newFile(), Failure);
  EXPECT_EQ(listings, 0);
}

TEST_F(FileOperationsTest, Rename) {
  const std::string cannot =
      "名前を変更できません! "
      "同名のファイルフォルダが存在するか\r\n変更する名前に不正文字があります";
  const struct {
    std::string entry;
    std::optional<std::string> answer;
    std::vector<std::string> events;
    std::string caption;  // of the focused entry afterwards
    std::string fullPath;
    int icon;  // -1: unchanged
  } cases[] = {
      {"a.txt", std::nullopt, {}, "a.txt", listed + "/a.txt", -1},
      {"a.txt", "a.txt", {}, "a.txt", listed + "/a.txt", -1},
      {"a.txt", "", {}, "a.txt", listed + "/a.txt", -1},
      {"a.txt",
       "b.txt",
       {"sound: sound/error.wav", "box 警告: " + cannot},
       "a.txt",
       listed + "/a.txt",
       -1},
      {"a.txt", "game.rom", {}, "game.rom", listed + "/game.rom", ClassifyEntryIcon(".rom", 3)},
      {"sub", "folder", {}, "folder", listed + "/folder", kFolderIcon},
      {"..",
       "x",
       {"sound: sound/error.wav", "box 警告: \"..\"は名前を変更できません!"},
       "..",
       "",
       -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry + " -> " + c.answer.value_or("(cancel)"));
    select({c.entry});
    const FileListEntry before = *list.focused();
    feedback.events.clear();
    prompts.asked.clear();
    prompts.texts = {c.answer};
    operations.rename();
    EXPECT_EQ(soundsAndBoxes(), c.events);
    const FileListEntry& after = *list.focused();
    EXPECT_EQ(after.caption, c.caption);
    if (c.entry != "..") {
      EXPECT_EQ(prompts.asked,
                std::vector<std::string>{"名前の変更|変更後の名前を入力してください|" + c.entry});
      EXPECT_EQ(after.fullPath, c.fullPath);
      EXPECT_TRUE(files->fileExists(c.fullPath) || files->folderExists(c.fullPath));
    } else {
      EXPECT_TRUE(prompts.asked.empty());
    }
    EXPECT_EQ(after.iconIndex, c.icon < 0 ? before.iconIndex : c.icon);
    // The columns wait for the next listing.
    EXPECT_EQ(after.typeText, before.typeText);
    EXPECT_EQ(after.sizeText, before.sizeText);
  }
  EXPECT_EQ(listings, 0);
}

TEST_F(FileOperationsTest, RenameActsOnlyOnASingleSelection) {
  select({"a.txt", "b.txt"});
  prompts.texts = {"c.txt"};
  operations.rename();
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_TRUE(files->fileExists(listed + "/a.txt"));
}

TEST_F(FileOperationsTest, MoveCopyAndDeleteHandTheShellThePathList) {
  const std::string target = folder.at("target");
  std::filesystem::create_directory(target);
  const struct {
    std::optional<TransferKind> transfer;  // nothing for the delete
    std::optional<std::string> chosen;
    std::vector<std::string> asked;
    std::size_t requests;
    ShellOperationKind kind;
    int listings;
  } cases[] = {
      {TransferKind::Move,
       target,
       {"移動先のディレクトリを選択|" + listed},
       1,
       ShellOperationKind::Move,
       1},
      {TransferKind::Copy,
       target,
       {"コピー先のディレクトリを選択|" + listed},
       1,
       ShellOperationKind::Copy,
       0},
      // A copy into the listed folder itself does not relist either.
      {TransferKind::Copy,
       listed,
       {"コピー先のディレクトリを選択|" + listed},
       1,
       ShellOperationKind::Copy,
       0},
      {TransferKind::Copy,
       std::nullopt,
       {"コピー先のディレクトリを選択|" + listed},
       0,
       ShellOperationKind::Copy,
       0},
      {std::nullopt, std::nullopt, {}, 1, ShellOperationKind::Delete, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    select({"..", "a.txt", "sub"});
    std::filesystem::remove(listed + "/a.txt");  // listed, but gone meanwhile
    folder.write("list/a.txt", "abc");
    shell.requests.clear();
    prompts.asked.clear();
    prompts.folder = c.chosen;
    listings = 0;
    if (c.transfer) {
      operations.transfer(*c.transfer);
    } else {
      operations.trash();
    }
    EXPECT_EQ(prompts.asked, c.asked);
    ASSERT_EQ(shell.requests.size(), c.requests);
    EXPECT_EQ(listings, c.listings);
    if (c.requests == 1) {
      const ShellFileRequest& request = shell.requests[0];
      EXPECT_EQ(request.kind, c.kind);
      EXPECT_EQ(request.sources, (std::vector<std::string>{listed + "/sub", listed + "/a.txt"}));
      EXPECT_EQ(request.destination, c.chosen.value_or(""));
      EXPECT_TRUE(request.showProgress);
    }
    navigator.showCurrentFolder();
    listings = 0;
  }
}

TEST_F(FileOperationsTest, NothingSelectedOrOnlyParentReachesNoShell) {
  prompts.folder = listed;
  list.clearSelection();
  operations.trash();
  operations.transfer(TransferKind::Copy);
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(listings, 0);
  select({".."});
  operations.trash();
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(listings, 1);  // the delete still refreshes
}

TEST_F(FileOperationsTest, DroppedItemsAreCopiedOneByOneThenOneRefresh) {
  const std::string a = folder.write("outside/a.rom", "1");
  const std::string b = folder.write("outside/b.dsk", "2");
  const std::string c = folder.write("outside/c.cas", "3");
  operations.copyDropped({a, folder.at("outside/gone"), b, c}, listed);
  ASSERT_EQ(shell.requests.size(), 3u);
  const std::string expected[] = {a, b, c};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(shell.requests[i].kind, ShellOperationKind::Copy);
    EXPECT_EQ(shell.requests[i].sources, std::vector<std::string>{expected[i]});
    EXPECT_EQ(shell.requests[i].destination, listed);
  }
  EXPECT_EQ(listings, 1);
}

TEST_F(FileOperationsTest, EveryChangeIsRefusedWhenTheListedFolderVanished) {
  const std::string outside = folder.write("outside/a.rom", "1");
  const std::string target = folder.at("target");
  std::filesystem::create_directory(target);
  const std::string name = "vorlent-vanished-" + std::to_string(::getpid());
  const struct {
    std::string command;
    std::function<void()> run;
  } cases[] = {
      {"new file", [&] { operations.newFile(); }},
      {"new folder", [&] { operations.newFolder(); }},
      {"rename", [&] { operations.rename(); }},
      {"copy", [&] { operations.transfer(TransferKind::Copy); }},
      {"move", [&] { operations.transfer(TransferKind::Move); }},
      {"delete", [&] { operations.trash(); }},
      {"drop", [&] { operations.copyDropped({outside}, listed); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    std::filesystem::create_directory(listed);
    std::filesystem::current_path(listed);
    folder.write("list/a.txt", "abc");
    navigator.showCurrentFolder();
    select({"a.txt"});
    std::filesystem::remove_all(listed);
    shell.requests.clear();
    prompts.asked.clear();
    prompts.texts = {name, name};
    prompts.folder = target;
    feedback.events.clear();
    listings = 0;
    try {
      c.run();
      ADD_FAILURE() << "not refused";
    } catch (const Failure& failure) {
      EXPECT_EQ(std::string(failure.what()), fileFailureText(FileFailureKind::FileNotFound));
    }
    EXPECT_EQ(prompts.asked, std::vector<std::string>{});
    EXPECT_EQ(shell.requests.size(), 0U);
    EXPECT_EQ(listings, 0);
    EXPECT_FALSE(std::filesystem::exists("/" + name));
    std::filesystem::remove_all("/" + name);
    EXPECT_TRUE(std::filesystem::is_empty(target));
  }
}

// Whatever stands under the name, a link that leads nowhere included, the new file is refused
// with the clash warning and nothing is made or changed anywhere, not even where a link leads.
TEST_F(FileOperationsTest, NewFileOverAnyEntryOfTheNameWarnsAndMakesNothing) {
  const std::string victim = folder.write("victim.txt", "victim");
  const struct {
    std::string label;
    std::function<void(const std::string&)> make;
  } cases[] = {
      {"dangling link", [&](const std::string& at) { ::symlink("../gone.txt", at.c_str()); }},
      {"link to a file", [&](const std::string& at) { ::symlink(victim.c_str(), at.c_str()); }},
      {"looping link", [](const std::string& at) { ::symlink("entry", at.c_str()); }},
      {"FIFO", [](const std::string& at) { ::mkfifo(at.c_str(), 0600); }},
      {"folder", [](const std::string& at) { std::filesystem::create_directory(at); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string entry = listed + "/entry";
    c.make(entry);
    feedback.events.clear();
    listings = 0;
    const testing::TreeSnapshot before = testing::snapshotTree(folder.string());
    prompts.texts = {"entry"};
    testing::withinWatchdog([&] { operations.newFile(); });
    EXPECT_EQ(soundsAndBoxes(),
              (std::vector<std::string>{"sound: sound/error.wav",
                                        "box 警告: " + entry + "を作成できませんでした !!\r\n" +
                                            "同名のファイルがすでに存在、ファイル名が不正です"}));
    EXPECT_EQ(listings, 0);
    EXPECT_EQ(testing::changedPaths(before, testing::snapshotTree(folder.string())),
              std::vector<std::string>{});
    std::filesystem::remove(entry);
  }
}

}  // namespace
}  // namespace vorlent
