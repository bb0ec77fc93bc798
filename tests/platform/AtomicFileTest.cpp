// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "support/TempFolder.h"
#include "support/WithoutRootRights.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::vector<std::string> namesIn(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(AtomicFileTest, CommitReplacesTheTargetAndKeepsItsPermissions) {
  TempFolder folder;
  const std::string target = folder.write("Vorlent.ini", "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const auto files = makeAtomicFiles();
  {
    const auto file = files->create(target);
    file->write("new ");
    file->write("bytes\r\n");
    EXPECT_EQ(folder.read("Vorlent.ini"), "old");
    file->commit();
  }
  EXPECT_EQ(folder.read("Vorlent.ini"), "new bytes\r\n");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Vorlent.ini"});
}

TEST(AtomicFileTest, WithoutCommitTheTargetStaysAndNothingIsLeftBehind) {
  TempFolder folder;
  const std::string target = folder.write("Vorlent.ini", "old");
  const auto files = makeAtomicFiles();
  {
    const auto file = files->create(target);
    file->write("half of it");
  }
  EXPECT_EQ(folder.read("Vorlent.ini"), "old");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Vorlent.ini"});

  // A new target appears only on commit.
  const std::string fresh = folder.at("new.ini");
  {
    const auto file = files->create(fresh);
    file->write("x");
  }
  EXPECT_FALSE(fs::exists(fresh));
}

void replaceWith(const std::string& target, const std::string& bytes) {
  const auto file = makeAtomicFiles()->create(target);
  file->write(bytes);
  file->commit();
}

// A linked Vorlent.ini (kept with the user's other settings, say) stays linked: the save replaces
// the file behind the link. A link to anything but a file is replaced itself, and so is a link
// that leads nowhere: the file it names is never made.
TEST(AtomicFileTest, ASaveThroughALinkReplacesTheFileBehindIt) {
  const struct {
    const char* what;
    const char* linkTo;  // relative to the folder
    const char* fileBehind;
  } cases[] = {
      {"a link to a file elsewhere", "settings/Vorlent.ini", "settings/Vorlent.ini"},
      {"a link to a link", "second-link", "settings/Vorlent.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    fs::create_directory(folder.at("settings"));
    folder.write("settings/Vorlent.ini", "old");
    fs::create_symlink("settings/Vorlent.ini", folder.at("second-link"));
    fs::create_symlink(c.linkTo, folder.at("Vorlent.ini"));

    replaceWith(folder.at("Vorlent.ini"), "new");

    EXPECT_TRUE(fs::is_symlink(folder.at("Vorlent.ini")));
    EXPECT_EQ(folder.read(c.fileBehind), "new");
    EXPECT_EQ(folder.read("Vorlent.ini"), "new");
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
      EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
    }
  }

  // A device stays a device.
  TempFolder folder;
  fs::create_symlink("/dev/null", folder.at("Vorlent.ini"));
  replaceWith(folder.at("Vorlent.ini"), "new");
  EXPECT_FALSE(fs::is_symlink(folder.at("Vorlent.ini")));
  EXPECT_EQ(folder.read("Vorlent.ini"), "new");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  TempFolder other;
  fs::create_directory(other.at("settings"));
  fs::create_symlink("settings/new.ini", other.at("Vorlent.ini"));
  replaceWith(other.at("Vorlent.ini"), "new");
  EXPECT_FALSE(fs::is_symlink(other.at("Vorlent.ini")));
  EXPECT_EQ(other.read("Vorlent.ini"), "new");
  EXPECT_FALSE(fs::exists(other.at("settings/new.ini")));
}

// Where the linked file's folder takes no new file, the save still succeeds by replacing the
// link, as it did before links were followed.
TEST(AtomicFileTest, ALinkedFileInAFolderThatTakesNoNewFileReplacesTheLink) {
  TempFolder folder;
  fs::permissions(folder.path(), fs::perms::all);
  fs::create_directory(folder.at("links"));
  fs::permissions(folder.at("links"), fs::perms::all);
  fs::create_directory(folder.at("locked"));
  folder.write("locked/Vorlent.ini", "old");
  fs::permissions(folder.at("locked/Vorlent.ini"), fs::perms::all);
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  fs::permissions(folder.at("locked"), readOnly);
  fs::create_symlink("../locked/Vorlent.ini", folder.at("links/Vorlent.ini"));

  EXPECT_TRUE(testing::holdsWithoutRootRights([&] {
    replaceWith(folder.at("links/Vorlent.ini"), "new");
    return !fs::is_symlink(folder.at("links/Vorlent.ini")) &&
           folder.read("links/Vorlent.ini") == "new" && folder.read("locked/Vorlent.ini") == "old";
  }));
  fs::permissions(folder.at("locked"), fs::perms::owner_all);
}

TEST(AtomicFileTest, FailuresCarryTheReportsTextAndLeaveNoTemporaryFile) {
  TempFolder folder;
  const auto files = makeAtomicFiles();
  try {
    files->create(folder.at("missing/Vorlent.ini"));
    ADD_FAILURE() << "created in a missing folder";
  } catch (const Failure& failure) {
    EXPECT_STREQ(failure.what(), fileFailureText(FileFailureKind::FileNotFound).c_str());
  }

  // A folder in the target's place makes the rename fail; the folder stays as it was.
  fs::create_directories(folder.at("Vorlent.ini/inside"));
  {
    const auto file = files->create(folder.at("Vorlent.ini"));
    file->write("bytes");
    EXPECT_THROW(file->commit(), Failure);
  }
  EXPECT_TRUE(fs::is_directory(folder.at("Vorlent.ini/inside")));
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Vorlent.ini"});
}

}  // namespace
}  // namespace vorlent
