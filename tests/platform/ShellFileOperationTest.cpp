// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShellFileOperation.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <optional>

#include "platform/posix/PosixTrash.h"
#include "support/ScriptedProgress.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::ScriptedProgress;
using testing::TempFolder;
using testing::Watchdog;
namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  if (!fs::exists(folder)) return names;
  for (const auto& item : fs::recursive_directory_iterator(folder)) {
    names.push_back(fs::relative(item.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ShellFileOperationTest : public ::testing::Test {
 protected:
  ShellFileOperationTest() {
    a = folder.write("src/a.txt", "new a");
    b = folder.write("src/b.txt", "new b");
    folder.write("src/tree/inner/deep.bin", "deep");
    folder.write("dst/a.txt", "old a");
    folder.write("dst/b.txt", "old b");
  }

  void run(ShellOperationKind kind, std::vector<std::string> sources, std::string destination) {
    ShellFileRequest request;
    request.kind = kind;
    request.sources = std::move(sources);
    request.destination = std::move(destination);
    const Watchdog watchdog("the shell operation");
    shell->run(request, progress);
  }

  TempFolder folder;
  std::string a;
  std::string b;
  std::unique_ptr<ShellFileOperation> shell = makeShellFileOperation();
  ScriptedProgress progress;
};

TEST_F(ShellFileOperationTest, CopyAndMoveWithAClashForEachAnswer) {
  const ReplaceChoice replace{ReplaceAnswer::Replace, false};
  const ReplaceChoice skip{ReplaceAnswer::Skip, false};
  const ReplaceChoice cancel{ReplaceAnswer::Cancel, false};
  const ReplaceChoice replaceAll{ReplaceAnswer::Replace, true};
  const ReplaceChoice skipAll{ReplaceAnswer::Skip, true};
  const struct {
    std::string name;
    ShellOperationKind kind;
    std::deque<ReplaceChoice> answers;
    std::size_t questions;
    std::string a;  // in dst afterwards
    std::string b;
    bool aLeftInSource;
    bool bLeftInSource;
  } cases[] = {
      {"copy replace, skip",
       ShellOperationKind::Copy,
       {replace, skip},
       2,
       "new a",
       "old b",
       true,
       true},
      {"copy cancel", ShellOperationKind::Copy, {cancel}, 1, "old a", "old b", true, true},
      {"copy replace all", ShellOperationKind::Copy, {replaceAll}, 1, "new a", "new b", true, true},
      {"copy skip all", ShellOperationKind::Copy, {skipAll}, 1, "old a", "old b", true, true},
      {"move replace, skip",
       ShellOperationKind::Move,
       {replace, skip},
       2,
       "new a",
       "old b",
       false,
       true},
      {"move cancel", ShellOperationKind::Move, {cancel}, 1, "old a", "old b", true, true},
      {"move replace all",
       ShellOperationKind::Move,
       {replaceAll},
       1,
       "new a",
       "new b",
       false,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    folder.write("src/a.txt", "new a");
    folder.write("src/b.txt", "new b");
    folder.write("dst/a.txt", "old a");
    folder.write("dst/b.txt", "old b");
    progress = ScriptedProgress();
    progress.answers = c.answers;
    run(c.kind, {a, b}, folder.at("dst"));
    EXPECT_EQ(progress.asked.size(), c.questions);
    EXPECT_EQ(progress.asked.front(), folder.at("dst/a.txt"));
    EXPECT_EQ(folder.read("dst/a.txt"), c.a);
    EXPECT_EQ(folder.read("dst/b.txt"), c.b);
    EXPECT_EQ(fs::exists(a), c.aLeftInSource);
    EXPECT_EQ(fs::exists(b), c.bLeftInSource);
    EXPECT_EQ(namesIn(folder.at("dst")), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_TRUE(progress.errors.empty());
    EXPECT_EQ(progress.finishedCount, 1);
  }
}

TEST_F(ShellFileOperationTest, WholeFoldersAreCopiedAndMovedWithTheirContent) {
  run(ShellOperationKind::Copy, {folder.at("src/tree")}, folder.at("dst"));
  EXPECT_EQ(folder.read("dst/tree/inner/deep.bin"), "deep");
  EXPECT_TRUE(fs::exists(folder.at("src/tree/inner/deep.bin")));
  EXPECT_EQ(progress.lastDone, 4u);
  EXPECT_EQ(progress.lastTotal, 4u);

  // Into a folder of the same name: the content is merged, clashes asked for one by one.
  folder.write("src/tree/inner/deep.bin", "newer");
  folder.write("src/tree/extra.txt", "extra");
  progress.answers = {{ReplaceAnswer::Replace, false}, {ReplaceAnswer::Replace, false}};
  run(ShellOperationKind::Move, {folder.at("src/tree")}, folder.at("dst"));
  EXPECT_EQ(progress.asked, (std::vector<std::string>{folder.at("dst/tree") + " (folder)",
                                                      folder.at("dst/tree/inner") + " (folder)",
                                                      folder.at("dst/tree/inner/deep.bin")}));
  EXPECT_EQ(folder.read("dst/tree/inner/deep.bin"), "deep");  // third question: cancelled
  EXPECT_TRUE(fs::exists(folder.at("src/tree/inner/deep.bin")));
}

// A destination named through links to a folder is that folder; the links stay as they were.
TEST_F(ShellFileOperationTest, ADestinationNamedThroughLinksIsTheFolderTheyLeadTo) {
  fs::create_directory_symlink(folder.at("dst"), folder.at("link"));
  fs::create_directory_symlink("link", folder.at("chain"));
  const struct {
    ShellOperationKind kind;
    const char* source;
    const char* destination;
  } cases[] = {{ShellOperationKind::Copy, "src/c.txt", "link"},
               {ShellOperationKind::Move, "src/d.txt", "chain/"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.destination);
    const std::string source = folder.write(c.source, "moved bytes");
    run(c.kind, {source}, folder.at(c.destination));
    EXPECT_EQ(progress.errors, std::vector<std::string>{});
    EXPECT_EQ(folder.read("dst/" + fs::path(c.source).filename().string()), "moved bytes");
    EXPECT_EQ(fs::exists(source), c.kind == ShellOperationKind::Copy);
    EXPECT_TRUE(fs::is_symlink(folder.at("link")) && fs::is_symlink(folder.at("chain")));
  }
}

TEST_F(ShellFileOperationTest, ACopyIntoItsOwnFolderGetsANameOfItsOwn) {
  run(ShellOperationKind::Copy, {a, a}, folder.at("src"));
  EXPECT_EQ(folder.read("src/a (copy).txt"), "new a");
  EXPECT_EQ(folder.read("src/a (copy 2).txt"), "new a");
  EXPECT_TRUE(progress.asked.empty());
}

TEST_F(ShellFileOperationTest, AFolderIsNeverCopiedIntoItself) {
  run(ShellOperationKind::Copy, {folder.at("src/tree")}, folder.at("src/tree/inner"));
  EXPECT_EQ(progress.errors.size(), 1u);
  EXPECT_EQ(namesIn(folder.at("src/tree")), (std::vector<std::string>{"inner", "inner/deep.bin"}));
}

TEST_F(ShellFileOperationTest, ACancelledCopyLeavesNoPartlyWrittenFile) {
  const std::string big(5 * 1024 * 1024, 'z');
  const std::string source = folder.write("src/big.bin", big);
  folder.write("dst/big.bin", "the old one");
  progress.answers = {{ReplaceAnswer::Replace, false}};
  progress.stopAtCall = 3;  // after the first piece
  run(ShellOperationKind::Copy, {source}, folder.at("dst"));
  EXPECT_EQ(folder.read("dst/big.bin"), "the old one");
  EXPECT_EQ(namesIn(folder.at("dst")), (std::vector<std::string>{"a.txt", "b.txt", "big.bin"}));
  EXPECT_EQ(folder.read("src/big.bin"), big);

  progress = ScriptedProgress();
  progress.stopAtCall = 3;
  fs::remove(folder.at("dst/big.bin"));
  run(ShellOperationKind::Move, {source}, "/dev/shm");
  EXPECT_FALSE(fs::exists("/dev/shm/big.bin"));
  EXPECT_EQ(folder.read("src/big.bin"), big);
}

TEST_F(ShellFileOperationTest, AMoveAcrossFileSystemsCopiesThenDeletesTheSource) {
  struct stat here {};
  struct stat there {};
  if (::stat(folder.string().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
      here.st_dev == there.st_dev) {
    GTEST_SKIP() << "no second file system at /dev/shm to move to";
  }
  const fs::path target = fs::path("/dev/shm") / ("vorlent-move-" + std::to_string(::getpid()));
  fs::create_directory(target);
  run(ShellOperationKind::Move, {a, folder.at("src/tree")}, target.string());
  EXPECT_TRUE(progress.errors.empty());
  EXPECT_EQ(namesIn(target),
            (std::vector<std::string>{"a.txt", "tree", "tree/inner", "tree/inner/deep.bin"}));
  EXPECT_FALSE(fs::exists(a));
  EXPECT_FALSE(fs::exists(folder.at("src/tree")));
  fs::remove_all(target);
}

TEST_F(ShellFileOperationTest, DeletingSendsToTheHomeTrashWithAnInfoFile) {
  const std::string dataHome = folder.at("data");
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string savedValue = saved != nullptr ? saved : "";
  ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  const std::string odd = folder.write("src/odd name%.txt", "odd");
  folder.write("src/again/a.txt", "second a");
  run(ShellOperationKind::Delete, {a, odd, folder.at("src/tree"), folder.at("src/again/a.txt")},
      "");
  if (saved != nullptr) {
    ::setenv("XDG_DATA_HOME", savedValue.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
  EXPECT_TRUE(progress.errors.empty());
  EXPECT_FALSE(fs::exists(a));
  EXPECT_FALSE(fs::exists(odd));
  EXPECT_EQ(folder.read("data/Trash/files/a.txt"), "new a");
  EXPECT_EQ(folder.read("data/Trash/files/a.txt.2"), "second a");
  EXPECT_EQ(folder.read("data/Trash/files/tree/inner/deep.bin"), "deep");
  const std::string info = folder.read("data/Trash/info/odd name%.txt.trashinfo");
  const std::string head = "[Trash Info]\nPath=" + trashInfoEscaped(odd) + "\nDeletionDate=";
  EXPECT_EQ(info.substr(0, head.size()), head);
  EXPECT_EQ(info.size(), head.size() + 20);  // YYYY-MM-DDThh:mm:ss and the line end
  EXPECT_EQ(info.back(), '\n');
  EXPECT_NE(trashInfoEscaped(odd).find("odd%20name%25.txt"), std::string::npos);
  EXPECT_NE(folder.read("data/Trash/info/a.txt.2.trashinfo")
                .find("\nPath=" + folder.at("src/again/a.txt") + "\n"),
            std::string::npos);
}

TEST_F(ShellFileOperationTest, DeletingOnAnotherFileSystemUsesItsOwnTrash) {
  struct stat here {};
  struct stat there {};
  if (::stat(folder.string().c_str(), &here) != 0 || ::stat("/dev/shm", &there) != 0 ||
      here.st_dev == there.st_dev) {
    GTEST_SKIP() << "no second file system at /dev/shm";
  }
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string savedValue = saved != nullptr ? saved : "";
  ::setenv("XDG_DATA_HOME", folder.at("data").c_str(), 1);
  const std::string name = "vorlent-trash-" + std::to_string(::getpid()) + ".txt";
  const fs::path item = fs::path("/dev/shm") / name;
  {
    std::FILE* file = std::fopen(item.c_str(), "w");
    std::fclose(file);
  }
  run(ShellOperationKind::Delete, {item.string()}, "");
  if (saved != nullptr) {
    ::setenv("XDG_DATA_HOME", savedValue.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
  const fs::path trash = "/dev/shm/.Trash-" + std::to_string(::getuid());
  EXPECT_TRUE(progress.errors.empty());
  EXPECT_FALSE(fs::exists(item));
  EXPECT_TRUE(fs::exists(trash / "files" / name));
  std::string info;
  {
    std::FILE* file = std::fopen((trash / "info" / (name + ".trashinfo")).c_str(), "r");
    ASSERT_NE(file, nullptr);
    char line[256] = {};
    while (std::fgets(line, sizeof line, file) != nullptr) info += line;
    std::fclose(file);
  }
  const std::string head = "[Trash Info]\nPath=" + name + "\nDeletionDate=";
  EXPECT_EQ(info.substr(0, head.size()), head);
  fs::remove(trash / "files" / name);
  fs::remove(trash / "info" / (name + ".trashinfo"));
  std::error_code ignored;  // the trash folders go only when nothing else is in them
  for (const fs::path& part : {trash / "files", trash / "info", trash}) fs::remove(part, ignored);
}

TEST_F(ShellFileOperationTest, AMissingSourceIsReportedAndTheOthersGoOn) {
  run(ShellOperationKind::Copy, {folder.at("src/gone"), a}, folder.at("dst/"));
  EXPECT_EQ(progress.errors,
            std::vector<std::string>{folder.at("src/gone") + " : ファイルが見つかりません"});
  EXPECT_EQ(progress.asked, std::vector<std::string>{folder.at("dst/a.txt")});
}

// Points XDG_DATA_HOME at a folder for the life of the scope.
class DataHomeScope {
 public:
  explicit DataHomeScope(const std::string& folder) {
    if (const char* saved = std::getenv("XDG_DATA_HOME")) saved_ = saved;
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
  }
  ~DataHomeScope() {
    if (saved_) {
      ::setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  DataHomeScope(const DataHomeScope&) = delete;
  DataHomeScope& operator=(const DataHomeScope&) = delete;

 private:
  std::optional<std::string> saved_;
};

bool secondFileSystemAt(const std::string& here, const char* there) {
  struct stat a {};
  struct stat b {};
  return ::stat(here.c_str(), &a) == 0 && ::stat(there, &b) == 0 && a.st_dev != b.st_dev;
}

// Makes a special file of the kind at the path; false where this user cannot make one.
bool makeSpecialFile(const std::string& kind, const std::string& path) {
  if (kind == "fifo") return ::mkfifo(path.c_str(), 0644) == 0;
  if (kind == "character device") return ::mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
  if (kind == "block device") return ::mknod(path.c_str(), S_IFBLK | 0644, makedev(7, 200)) == 0;
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const bool bound =
      ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(socket);
  return bound;
}

TEST_F(ShellFileOperationTest, SpecialFilesAreRefusedOneByOneAndTheOthersGoOn) {
  const bool otherFileSystem = secondFileSystemAt(folder.string(), "/dev/shm");
  for (const std::string kind : {"fifo", "character device", "block device", "socket"}) {
    for (const bool move : {false, true}) {
      for (const bool inFolder : {false, true}) {
        SCOPED_TRACE(kind + (move ? " moved" : " copied") + (inFolder ? " in a folder" : ""));
        if (move && !otherFileSystem) continue;  // a move on one file system only renames
        fs::remove_all(folder.at("s"));
        fs::create_directories(folder.at("s/f"));
        const std::string special = folder.at(inFolder ? "s/f/special" : "s/special");
        if (!makeSpecialFile(kind, special)) {
          // Devices need the right to make them.
          if (kind == "fifo" || kind == "socket") ADD_FAILURE() << "cannot make a " << kind;
          continue;
        }
        const std::string plain = folder.write("s/plain.txt", "plain");
        const fs::path target =
            move ? fs::path("/dev/shm") / ("vorlent-special-" + std::to_string(::getpid()))
                 : fs::path(folder.at("t"));
        fs::remove_all(target);
        fs::create_directory(target);
        progress.errors.clear();
        run(move ? ShellOperationKind::Move : ShellOperationKind::Copy,
            {inFolder ? folder.at("s/f") : special, plain}, target.string());
        EXPECT_EQ(progress.errors,
                  std::vector<std::string>{special + " : ファイルでもフォルダでもありません"});
        EXPECT_EQ(namesIn(target), (inFolder ? std::vector<std::string>{"f", "plain.txt"}
                                             : std::vector<std::string>{"plain.txt"}));
        EXPECT_EQ(fs::file_size(target / "plain.txt"), 5U);
        struct stat still {};
        EXPECT_EQ(::lstat(special.c_str(), &still), 0);  // the refused source stays
        fs::remove_all(target);
      }
    }
  }
}

TEST_F(ShellFileOperationTest, NamesOfTheLongestLengthAreCopiedMovedAndTrashed) {
  std::string japanese;
  for (int i = 0; i < 85; ++i) japanese += "あ";
  const bool otherFileSystem = secondFileSystemAt(folder.string(), "/dev/shm");
  for (const std::string& name : {std::string(251, 'x') + ".rom", japanese}) {
    ASSERT_EQ(name.size(), 255U);
    for (const std::string step : {"copy", "move", "trash", "copy here"}) {
      SCOPED_TRACE(step + " " + name.substr(0, 6));
      if (step == "move" && !otherFileSystem) continue;
      fs::remove_all(folder.at("t"));
      fs::remove_all(folder.at("data"));
      fs::remove_all(folder.at("s"));
      fs::create_directory(folder.at("t"));
      const std::string source = folder.write("s/" + name, "long");
      progress.errors.clear();
      const fs::path target =
          step == "move" ? fs::path("/dev/shm") / ("vorlent-long-" + std::to_string(::getpid()))
                         : fs::path(folder.at("t"));
      if (step == "trash") {
        const DataHomeScope dataHome(folder.at("data"));
        run(ShellOperationKind::Delete, {source}, "");
      } else if (step == "copy here") {
        run(ShellOperationKind::Copy, {source}, folder.at("s"));
      } else {
        fs::create_directory(target);
        run(step == "move" ? ShellOperationKind::Move : ShellOperationKind::Copy, {source},
            target.string());
      }
      EXPECT_EQ(progress.errors, std::vector<std::string>{});
      EXPECT_EQ(fs::exists(source), step != "move" && step != "trash");
      if (step == "copy here") {
        // The copy's own name is cut so that its mark still fits.
        const std::vector<std::string> names = namesIn(folder.at("s"));
        ASSERT_EQ(names.size(), 2U);
        const std::string& copy = names[0] == name ? names[1] : names[0];
        EXPECT_LE(copy.size(), 255U);
        EXPECT_TRUE(copy.ends_with(name.ends_with(".rom") ? " (copy).rom" : " (copy)")) << copy;
        EXPECT_EQ(folder.read("s/" + copy), "long");
      } else if (step == "trash") {
        const std::vector<std::string> trashed = namesIn(folder.at("data/Trash/files"));
        ASSERT_EQ(trashed.size(), 1U);
        EXPECT_EQ(folder.read("data/Trash/files/" + trashed[0]), "long");
        const std::string info = folder.read("data/Trash/info/" + trashed[0] + ".trashinfo");
        EXPECT_NE(info.find("\nPath=" + trashInfoEscaped(source) + "\n"), std::string::npos);
      } else {
        EXPECT_EQ(namesIn(target), std::vector<std::string>{name});
        EXPECT_EQ(fs::file_size(target / name), 4U);
        if (step == "move") fs::remove_all(target);
      }
    }
  }
}

TEST_F(ShellFileOperationTest, TheTrashIsReachedOnlyAfterOneQuestionAnsweredYes) {
  const DataHomeScope dataHome(folder.at("data"));
  const struct {
    std::vector<std::string> sources;
    bool answer;
    std::string question;
  } cases[] = {
      {{"src/a.txt"}, false, folder.at("src/a.txt") + " をごみ箱に移動しますか?"},
      {{"src/a.txt", "src/b.txt", "src/tree"}, false, "3 個の項目をごみ箱に移動しますか?"},
      {{"src/a.txt", "src/tree"}, true, "2 個の項目をごみ箱に移動しますか?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.question);
    std::vector<std::string> sources;
    for (const std::string& source : c.sources) sources.push_back(folder.at(source));
    progress.questions.clear();
    progress.trashAnswer = c.answer;
    run(ShellOperationKind::Delete, sources, "");
    EXPECT_EQ(progress.questions, std::vector<std::string>{c.question});
    EXPECT_EQ(progress.errors, std::vector<std::string>{});
    for (const std::string& source : sources) EXPECT_EQ(fs::exists(source), !c.answer);
    EXPECT_EQ(namesIn(folder.at("data/Trash/files")).size(), c.answer ? 4U : 0U);
  }
}

}  // namespace
}  // namespace vorlent
