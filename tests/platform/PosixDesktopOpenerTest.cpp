// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/DesktopOpener.h"
#include "platform/StartTestSupport.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

// Puts a pipe in place of the test's standard input for the scope, so that an opener that kept
// the launcher's input would show it.
class PipeAsInput {
 public:
  PipeAsInput() {
    int ends[2] = {-1, -1};
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_GE(::dup2(ends[0], STDIN_FILENO), 0);
    ::close(ends[0]);
    writeEnd_ = ends[1];
  }
  ~PipeAsInput() {
    ::dup2(saved_, STDIN_FILENO);
    ::close(saved_);
    ::close(writeEnd_);
  }
  PipeAsInput(const PipeAsInput&) = delete;
  PipeAsInput& operator=(const PipeAsInput&) = delete;

 private:
  int saved_ = ::dup(STDIN_FILENO);
  int writeEnd_ = -1;
};

// A stand-in for the freedesktop opener on PATH that writes down how it was started: its
// arguments (each ended by a NUL), the folder it started in and what its standard input is.
class PosixDesktopOpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string script = bin.write("xdg-open",
                                         "#!/bin/sh\n"
                                         "record=\"$VORLENT_OPENER_RECORD\"\n"
                                         "{ printf '%s\\0' \"$@\"; printf '\\n'; pwd;"
                                         " readlink /proc/$$/fd/0; } > \"$record.part\"\n"
                                         "mv \"$record.part\" \"$record\"\n");
    fs::permissions(script, fs::perms::owner_all);
  }

  testing::TempFolder bin;
  testing::TempFolder records;
  testing::TempFolder work;
  testing::ScopedVariable path{"PATH", bin.string() + ":" + std::getenv("PATH")};
  PipeAsInput input;
  std::unique_ptr<DesktopOpener> opener = makeDesktopOpener();
};

TEST_F(PosixDesktopOpenerTest, TheOpenerGetsThePathAsOneWordInTheFolderWithNoInput) {
  struct Case {
    std::string path;
    bool inWorkFolder;
  };
  const std::string longName(255, 'n');
  const Case cases[] = {
      {"/media/games/A.ROM", true},
      {"-rf $(touch pwned) ; `id` & | > x", true},
      {"\xff\xfe not UTF-8 'quoted' \"twice\"", false},
      {"https://example.invalid/?a=1&b=2", false},
      {work.at(longName), true},
  };
  const std::set<std::string> before = testing::namesIn(work.path());
  int number = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string record = records.at(std::to_string(++number));
    const testing::ScopedVariable where{"VORLENT_OPENER_RECORD", record};
    const testing::Watchdog watchdog("the desktop opener");
    opener->open(c.path, c.inWorkFolder ? work.string() : std::string());
    ASSERT_TRUE(testing::waitUntil([&] { return fs::exists(record); }));
    char here[4096] = {};
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    const std::string folder = c.inWorkFolder ? work.string() : std::string(here);
    EXPECT_EQ(testing::fileText(record),
              c.path + std::string(1, '\0') + "\n" + folder + "\n/dev/null\n");
  }
  EXPECT_EQ(testing::namesIn(work.path()), before);
}

TEST_F(PosixDesktopOpenerTest, WithoutAnOpenerNothingIsStartedAndNothingWaits) {
  const testing::ScopedVariable noOpener{"PATH", work.string()};
  const testing::Watchdog watchdog("the desktop opener without xdg-open");
  opener->open("/media/games/A.ROM", work.string());
  EXPECT_TRUE(testing::namesIn(records.path()).empty());
  EXPECT_TRUE(testing::namesIn(work.path()).empty());
}

}  // namespace
}  // namespace vorlent
