#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "support/TempFolder.h"

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
