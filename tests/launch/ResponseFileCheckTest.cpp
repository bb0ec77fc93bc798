// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "launch/FmsxCommand.h"
#include "launch/ResponseFileCheck.h"
#include "platform/Failure.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::CurrentFolderGuard;
using testing::TempFolder;

class ResponseFileCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { state.fmsxExePath = emulatorFolder.write("FMSX-DOS.EXE"); }

  std::optional<std::string> check() {
    return checkResponseFile(state, *files, *current, PathStyle::Posix, *systemText);
  }

  TempFolder emulatorFolder;
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<CurrentFolder> current = makeCurrentFolder();
  LauncherState state;
};

TEST_F(ResponseFileCheckTest, WritesTheFileAndShowsTheOptionText) {
  state.fmsxOptions.sound = 3;
  state.fmsxOptions.verbose = 0;
  EXPECT_EQ(check(), std::optional<std::string>("-sound 3  -verbose 0 "));
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-sound 3  -verbose 0 \r\n");
}

TEST_F(ResponseFileCheckTest, RewritesAnExistingFile) {
  emulatorFolder.write("Vorlent.cfg", "-volume 3 \r\nsecond line\r\n");
  state.fmsxOptions.vol = 4;
  EXPECT_EQ(check(), std::optional<std::string>("-volume 4 "));
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-volume 4 \r\n");
}

TEST_F(ResponseFileCheckTest, ShowsNothingWhenNothingIsWritten) {
  // Every option at the value that writes nothing.
  EXPECT_EQ(check(), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(emulatorFolder.at("Vorlent.cfg")));

  // No executable where the location says.
  state.fmsxOptions.sound = 3;
  state.fmsxExePath = emulatorFolder.at("MISSING.EXE");
  EXPECT_EQ(check(), std::nullopt);
  state.fmsxExePath.clear();
  EXPECT_EQ(check(), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(emulatorFolder.at("Vorlent.cfg")));
}

TEST_F(ResponseFileCheckTest, AFailedWriteIsThrownAndNothingIsShown) {
  std::filesystem::create_symlink("/dev/full", emulatorFolder.at("Vorlent.cfg"));
  state.fmsxOptions.sound = 3;
  EXPECT_THROW(check(), Failure);
}

TEST_F(ResponseFileCheckTest, NothingIsWrittenWhenTheListedFolderVanished) {
  const CurrentFolderGuard guard;
  const std::string listed = emulatorFolder.at("listed");
  std::filesystem::create_directory(listed);
  std::filesystem::current_path(listed);
  std::filesystem::remove(listed);
  emulatorFolder.write("Vorlent.cfg", "old\r\n");
  state.fmsxOptions.sound = 3;
  const LaunchServices services{*current, *files, PathStyle::Posix, *systemText};
  const std::function<void()> commands[] = {
      [&] { check(); },
      [&] { buildFmsxCommand(state, services, nullptr); },
  };
  for (const auto& command : commands) {
    try {
      command();
      ADD_FAILURE() << "not refused";
    } catch (const Failure& failure) {
      EXPECT_EQ(std::string(failure.what()), fileFailureText(FileFailureKind::FileNotFound));
    }
    EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "old\r\n");
  }
}

}  // namespace
}  // namespace vorlent
