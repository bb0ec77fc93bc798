// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "launch/FmsxCommand.h"
#include "launch/SharedTokens.h"
#include "platform/Failure.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::CurrentFolderGuard;
using testing::TempFolder;

TEST(FmsxTokensTest, ModelAndResolution) {
  EXPECT_EQ(fmsxModelToken(0), " -msx1");
  EXPECT_EQ(fmsxModelToken(1), "");
  EXPECT_EQ(fmsxModelToken(2), " -msx2+");
  EXPECT_EQ(fmsxModelToken(3), "");
  EXPECT_EQ(fmsxResolutionToken(0), "");
  EXPECT_EQ(fmsxResolutionToken(1), " -video 1");
  EXPECT_EQ(fmsxResolutionToken(2), " -video 2");
  EXPECT_EQ(fmsxResolutionToken(3), "  -video 3");
  EXPECT_EQ(fmsxResolutionToken(4), "");
}

TEST(FmsxTokensTest, MapperNumbersByCode) {
  const int expected[] = {0, 1, 2, 3, 4, 4, 5, 5, 0, 0, 0};
  for (int code = 7; code <= 17; ++code) {
    EXPECT_EQ(fmsxMapperNumber(code), expected[code - 7]) << code;
  }
  for (int code : {-1, 0, 6, 18, 255}) {
    EXPECT_EQ(fmsxMapperNumber(code), -1) << code;
  }
}

TEST(FmsxTokensTest, Cartridges) {
  const struct {
    const char* path1;
    int code1;
    const char* path2;
    int code2;
    const char* tokens;
  } cases[] = {
      {"", -1, "", -1, ""},
      {"A.ROM", 7, "", -1, " -rom 0 A.ROM"},
      {"A.ROM", 9, "", -1, " -rom 2 A.ROM"},
      {"", -1, "B.ROM", 13, " -rom 5 B.ROM"},
      {"A.ROM", 9, "B.ROM", 13, " -rom 2,5 A.ROM B.ROM"},
      {"A.ROM", 17, "B.ROM", 12, " -rom 0,4 A.ROM B.ROM"},
      // Codes that no mapper item gives write nothing for their slot.
      {"A.ROM", 18, "", -1, ""},
      {"A.ROM", 3, "B.ROM", 8, " -rom 1 B.ROM"},
      {"A.ROM", 10, "B.ROM", 99, " -rom 3 A.ROM"},
      // A restored path whose code stayed -1 is an empty slot.
      {"A.ROM", -1, "", -1, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fmsxCartridgeTokens({Cartridge{c.path1, c.code1}, Cartridge{c.path2, c.code2}}),
              c.tokens)
        << c.code1 << "/" << c.code2;
  }
}

TEST(FmsxTokensTest, Disks) {
  EXPECT_EQ(fmsxDiskTokens("", ""), "");
  EXPECT_EQ(fmsxDiskTokens("A.DSK", ""), " -diska A.DSK");
  EXPECT_EQ(fmsxDiskTokens("", "B.DSK"), " -diskb B.DSK");
  EXPECT_EQ(fmsxDiskTokens("A.DSK", "B.DSK"), " -diska A.DSK -diskb B.DSK");
  EXPECT_EQ(fmsxDiskTokens("Select A:Drive[PC]", "B.DSK"), " -diska a: -diskb B.DSK");
  EXPECT_EQ(fmsxDiskTokens("select a:drive[pc]", ""), " -diska select a:drive[pc]");
}

TEST(FmsxTokensTest, Tape) {
  EXPECT_EQ(tapeToken(""), "");
  EXPECT_EQ(tapeToken("T.CAS"), " -tape T.CAS");
}

TEST(FmsxResponseFileTest, LiesBesideTheExecutable) {
  EXPECT_EQ(fmsxResponseFilePath(R"(C:\EMU\FMSX-DOS.EXE)", PathStyle::Windows),
            R"(C:\EMU/Vorlent.cfg)");
  EXPECT_EQ(fmsxResponseFilePath(R"(C:\FMSX-DOS.EXE)", PathStyle::Windows), R"(C:\/Vorlent.cfg)");
  EXPECT_EQ(fmsxResponseFilePath("/opt/emu/fmsx-dos.exe", PathStyle::Posix),
            "/opt/emu/Vorlent.cfg");
  EXPECT_EQ(fmsxResponseFilePath("/fmsx-dos.exe", PathStyle::Posix), "//Vorlent.cfg");
}

class FmsxCommandTest : public ::testing::Test {
 protected:
  FmsxCommandTest() {
    state.fmsxExePath = emulatorFolder.write("FMSX-DOS.EXE", "MZ");
    listedFolder = std::filesystem::current_path().string();
  }

  std::string build() {
    return buildFmsxCommand(state, services, [this](const std::string& line) {
      started.push_back(line);
      folderAtStart = currentFolder->get();
    });
  }

  std::string responseFile() const { return emulatorFolder.at("Vorlent.cfg"); }

  CurrentFolderGuard restoreCurrentFolder;
  TempFolder emulatorFolder;
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  LaunchServices services{*currentFolder, *files, PathStyle::Posix, *systemText};
  LauncherState state;
  std::string listedFolder;
  std::vector<std::string> started;
  std::string folderAtStart;
};

TEST_F(FmsxCommandTest, FreshStateComposesOnlyTheProgramName) {
  EXPECT_EQ(build(), "FMSX-DOS.EXE");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0], "FMSX-DOS.EXE");
  EXPECT_EQ(folderAtStart, emulatorFolder.string());
  EXPECT_EQ(currentFolder->get(), listedFolder);
  EXPECT_FALSE(std::filesystem::exists(responseFile()));
}

TEST_F(FmsxCommandTest, WorkedExampleWithAnExistingResponseFile) {
  emulatorFolder.write("Vorlent.cfg", "old contents that are replaced\r\n");
  state.fmsxOptions.sound = 3;
  state.fmsxModel = 2;
  state.fmsxResolution = 2;
  state.slots[0].path = "/games/A.ROM";
  state.slots[0].mapper = 9;
  EXPECT_EQ(build(), "FMSX-DOS.EXE @Vorlent.cfg -msx2+ -video 2 -rom 2 /games/A.ROM");
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-sound 3 \r\n");
  EXPECT_EQ(currentFolder->get(), listedFolder);
}

TEST_F(FmsxCommandTest, EveryMediumInOrder) {
  state.fmsxModel = 0;
  state.fmsxResolution = 3;
  state.slots[0].path = "/r/A.ROM";
  state.slots[0].mapper = 9;
  state.slots[1].path = "/r/B.ROM";
  state.slots[1].mapper = 13;
  state.drives[0].path = std::string(kPcDriveMarker);
  state.drives[1].path = "/d/B.DSK";
  state.tapePath = "/t/T.CAS";
  EXPECT_EQ(build(),
            "FMSX-DOS.EXE -msx1  -video 3 -rom 2,5 /r/A.ROM /r/B.ROM -diska a: -diskb /d/B.DSK"
            " -tape /t/T.CAS");
}

TEST_F(FmsxCommandTest, AMissingResponseFileStaysMissing) {
  state.fmsxOptions.sound = 3;
  EXPECT_EQ(build(), "FMSX-DOS.EXE");
  EXPECT_FALSE(std::filesystem::exists(responseFile()));
}

TEST_F(FmsxCommandTest, EmptyOptionsNeverTouchTheResponseFile) {
  emulatorFolder.write("Vorlent.cfg", "-sound 3 \r\n");
  EXPECT_EQ(build(), "FMSX-DOS.EXE");
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-sound 3 \r\n");
  EXPECT_FALSE(writeResponseFile(state, *files, PathStyle::Posix, *systemText));
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-sound 3 \r\n");
}

TEST_F(FmsxCommandTest, AMissingExecutableKeepsTheReferenceButNotTheRewrite) {
  emulatorFolder.write("Vorlent.cfg", "stale\r\n");
  std::filesystem::remove(state.fmsxExePath);
  state.fmsxOptions.vol = 3;
  EXPECT_EQ(build(), "FMSX-DOS.EXE @Vorlent.cfg");
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "stale\r\n");
}

TEST_F(FmsxCommandTest, ARelativeExecutablePathFindsTheResponseFileBesideIt) {
  emulatorFolder.write("emu/FMSX-DOS.EXE", "MZ");
  emulatorFolder.write("emu/Vorlent.cfg", "old\r\n");
  ASSERT_TRUE(currentFolder->set(emulatorFolder.string()));
  state.fmsxExePath = "emu/FMSX-DOS.EXE";
  state.fmsxOptions.vol = 12;
  EXPECT_EQ(build(), "FMSX-DOS.EXE @Vorlent.cfg");
  EXPECT_EQ(emulatorFolder.read("emu/Vorlent.cfg"), "-volume 12 \r\n");
  EXPECT_EQ(folderAtStart, emulatorFolder.at("emu"));
  EXPECT_EQ(currentFolder->get(), emulatorFolder.string());
}

TEST_F(FmsxCommandTest, WriteResponseFileWritesOneLine) {
  state.fmsxOptions.chorus = 50;
  state.fmsxOptions.verbose = 0;
  EXPECT_TRUE(writeResponseFile(state, *files, PathStyle::Posix, *systemText));
  EXPECT_EQ(emulatorFolder.read("Vorlent.cfg"), "-chorus 50  -verbose 0 \r\n");
}

TEST_F(FmsxCommandTest, AFailingWriteRestoresTheCurrentFolderAndStartsNothing) {
  // A response file that is a link, here to a full disk, is refused for root and every other
  // user alike.
  std::filesystem::create_symlink("/dev/full", responseFile());
  state.fmsxOptions.sound = 1;
  try {
    build();
    FAIL() << "the write through a link went through";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.what(), notARegularFileText(responseFile()));
  }
  EXPECT_TRUE(started.empty());
  EXPECT_EQ(currentFolder->get(), listedFolder);
}

}  // namespace
}  // namespace vorlent
