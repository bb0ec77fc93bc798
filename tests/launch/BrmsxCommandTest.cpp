// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "launch/BrmsxCommand.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

struct OptionCase {
  const char* field;
  int BrmsxOptions::*member;
  int value;
  const char* text;
};

// Each field alone away from its initial value, and at the value that writes nothing.
const OptionCase kOptionCases[] = {
    {"ifreq", &BrmsxOptions::ifreq, 1, " -ifreq 60"},
    {"ifreq", &BrmsxOptions::ifreq, 0, ""},
    {"cpu", &BrmsxOptions::cpu, 1, " -ciel"},
    {"cpu", &BrmsxOptions::cpu, 2, " -fast"},
    {"cpu", &BrmsxOptions::cpu, 3, " -turbo"},
    {"cpu", &BrmsxOptions::cpu, 7, " -turbo"},
    {"cpu", &BrmsxOptions::cpu, 0, ""},
    {"ram", &BrmsxOptions::ram, 1, " -ramslot 3"},
    {"ram", &BrmsxOptions::ram, 0, ""},
    {"Korean", &BrmsxOptions::Korean, 1, " -korean"},
    {"Korean", &BrmsxOptions::Korean, 0, ""},
    {"megaram", &BrmsxOptions::megaram, 0, " -megaram 0"},
    {"megaram", &BrmsxOptions::megaram, 4, " -megaram 4"},
    {"megaram", &BrmsxOptions::megaram, 1, ""},
    {"mapper", &BrmsxOptions::mapper, 6, " -mapper 6"},
    {"mapper", &BrmsxOptions::mapper, 0, " -mapper 0"},
    {"mapper", &BrmsxOptions::mapper, 1, ""},
    {"vsync", &BrmsxOptions::vsync, 1, " -vsync"},
    {"vsync", &BrmsxOptions::vsync, 2, " -truevsync"},
    {"vsync", &BrmsxOptions::vsync, 0, ""},
    {"vsync", &BrmsxOptions::vsync, 3, ""},
    {"green", &BrmsxOptions::green, 1, " -green"},
    {"green", &BrmsxOptions::green, 0, ""},
    {"frame", &BrmsxOptions::frame, 3, " -frame 3"},
    {"frame", &BrmsxOptions::frame, 10, " -frame 10"},
    {"frame", &BrmsxOptions::frame, 1, ""},
    {"allspr", &BrmsxOptions::allspr, 1, " -allspr"},
    {"allspr", &BrmsxOptions::allspr, 2, " -nosprcol"},
    {"allspr", &BrmsxOptions::allspr, 0, ""},
    {"vdptiming", &BrmsxOptions::vdptiming, 1, " -vdptiming"},
    {"vdptiming", &BrmsxOptions::vdptiming, 2, " -novdptiming"},
    {"vdptiming", &BrmsxOptions::vdptiming, 0, ""},
    {"nocache", &BrmsxOptions::nocache, 1, " -nocache"},
    {"nocache", &BrmsxOptions::nocache, 0, ""},
    {"cpug", &BrmsxOptions::cpug, 1, " -cpugraph"},
    {"cpug", &BrmsxOptions::cpug, 0, ""},
    {"psgg", &BrmsxOptions::psgg, 1, " -psggraph"},
    {"psgg", &BrmsxOptions::psgg, 0, ""},
    {"nosound", &BrmsxOptions::nosound, 1, " -nosound"},
    {"nosound", &BrmsxOptions::nosound, 0, ""},
    {"scc", &BrmsxOptions::scc, 1, " -scc"},
    {"scc", &BrmsxOptions::scc, 0, ""},
    {"fmpac", &BrmsxOptions::fmpac, 1, " -fmpac"},
    {"fmpac", &BrmsxOptions::fmpac, 0, ""},
    {"speaker", &BrmsxOptions::speaker, 1, " -speaker"},
    {"speaker", &BrmsxOptions::speaker, 0, ""},
    {"sr", &BrmsxOptions::sr, 455, " -sr 455"},
    {"sr", &BrmsxOptions::sr, 22050, " -sr 22050"},
    {"sr", &BrmsxOptions::sr, 45455, ""},
    {"joy", &BrmsxOptions::joy, 1, " -joy"},
    {"joy", &BrmsxOptions::joy, 0, ""},
    {"joysens", &BrmsxOptions::joysens, 0, " -joysens 0"},
    {"joysens", &BrmsxOptions::joysens, 7, " -joysens 7"},
    {"joysens", &BrmsxOptions::joysens, 3, ""},
    {"fakejoy", &BrmsxOptions::fakejoy, 1, " -fakejoy"},
    {"fakejoy", &BrmsxOptions::fakejoy, 0, ""},
    {"snespad", &BrmsxOptions::snespad, 1, " -snespad"},
    {"snespad", &BrmsxOptions::snespad, 0, ""},
    {"autofire", &BrmsxOptions::autofire, 1, " -autofire"},
    {"autofire", &BrmsxOptions::autofire, 0, ""},
    {"autorun", &BrmsxOptions::autorun, 1, " -autorun"},
    {"autorun", &BrmsxOptions::autorun, 0, ""},
    {"autospeed", &BrmsxOptions::autospeed, 0, " -autospeed 0"},
    {"autospeed", &BrmsxOptions::autospeed, 9, " -autospeed 9"},
    {"autospeed", &BrmsxOptions::autospeed, 5, ""},
    {"nommx", &BrmsxOptions::nommx, 1, " -nommx"},
    {"nommx", &BrmsxOptions::nommx, 0, ""},
    {"nomouse", &BrmsxOptions::nomouse, 1, " -nomouse"},
    {"nomouse", &BrmsxOptions::nomouse, 0, ""},
    {"novesa", &BrmsxOptions::novesa, 1, " -novesa"},
    {"novesa", &BrmsxOptions::novesa, 0, ""},
    {"noled", &BrmsxOptions::noled, 1, " -noled"},
    {"noled", &BrmsxOptions::noled, 0, ""},
    {"nopentium", &BrmsxOptions::nopentium, 1, " -nopentium"},
    {"nopentium", &BrmsxOptions::nopentium, 0, ""},
    {"help", &BrmsxOptions::help, 1, " -help"},
    {"help", &BrmsxOptions::help, 0, ""},
    {"noenter", &BrmsxOptions::noenter, 1, " -noenter"},
    {"noenter", &BrmsxOptions::noenter, 0, ""},
    {"sq without speaker", &BrmsxOptions::sq, 5, ""},
    {"multi", &BrmsxOptions::multi, 1, " -server"},
    {"multi", &BrmsxOptions::multi, 2, " -client"},
    {"multi", &BrmsxOptions::multi, 0, ""},
    {"com without multi", &BrmsxOptions::com, 2, ""},
    {"trtimer", &BrmsxOptions::trtimer, 1, " -trtimer"},
    {"trtimer", &BrmsxOptions::trtimer, 0, ""},
    {"dos2", &BrmsxOptions::dos2, 1, " -dos2"},
    {"dos2", &BrmsxOptions::dos2, 0, ""},
    {"advram", &BrmsxOptions::advram, 1, " -advram"},
    {"advram", &BrmsxOptions::advram, 0, ""},
    {"diskhl", &BrmsxOptions::diskhl, 1, " -disklow"},
    {"diskhl", &BrmsxOptions::diskhl, 2, " -diskhigh"},
    {"diskhl", &BrmsxOptions::diskhl, 0, ""},
};

TEST(BrmsxOptionTextTest, EachFieldWritesItsTokenOrNothing) {
  for (const OptionCase& c : kOptionCases) {
    BrmsxOptions options;
    options.*c.member = c.value;
    EXPECT_EQ(brmsxOptionText(options), c.text) << c.field << " = " << c.value;
  }
}

TEST(BrmsxOptionTextTest, DependentOptions) {
  BrmsxOptions speaker;
  speaker.speaker = 1;
  speaker.sq = 5;
  speaker.joy = 1;
  EXPECT_EQ(brmsxOptionText(speaker), " -speaker -joy -speaq 5");
  speaker.sq = 1;
  EXPECT_EQ(brmsxOptionText(speaker), " -speaker -joy");

  BrmsxOptions client;
  client.multi = 2;
  client.com = 2;
  client.dos2 = 1;
  EXPECT_EQ(brmsxOptionText(client), " -client -com 2 -dos2");
  client.com = 0;
  EXPECT_EQ(brmsxOptionText(client), " -client -dos2");
  client.multi = 0;
  client.com = 2;
  EXPECT_EQ(brmsxOptionText(client), " -dos2");
}

TEST(BrmsxOptionTextTest, InitialValuesWriteNothing) {
  EXPECT_EQ(brmsxOptionText(BrmsxOptions{}), "");
}

TEST(BrmsxTokensTest, ModelAndResolution) {
  EXPECT_EQ(brmsxModelToken(0), "");
  EXPECT_EQ(brmsxModelToken(1), " -msx2");
  EXPECT_EQ(brmsxModelToken(2), " -msx2+");
  const char* tokens[] = {" -res 0", " -res 1", " -res 2", " -res 3",  " -res 6",
                          " -res 7", " -res 8", " -res 9", " -res 11", " -res 12"};
  for (int index = 0; index < 10; ++index) {
    EXPECT_EQ(brmsxResolutionToken(index), tokens[index]) << index;
  }
  EXPECT_EQ(brmsxResolutionToken(10), "");
  EXPECT_EQ(brmsxResolutionToken(-1), "");
}

TEST(BrmsxTokensTest, CartridgesByMapperCode) {
  const char* numbers[] = {"0", "1", "2", "3", "4", "6", "5", "7", "8", "9"};
  for (int code = 7; code <= 16; ++code) {
    const std::string number = numbers[code - 7];
    EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", code}, Cartridge{"", -1}}),
              " -roma " + number + " A.ROM")
        << code;
    EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"", -1}, Cartridge{"B.ROM", code}}),
              " -romb " + number + " B.ROM")
        << code;
  }
  EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", 17}, Cartridge{"", -1}}), " A.ROM");
  EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", 12}, Cartridge{"B.ROM", 17}}),
            " -roma 6 A.ROM B.ROM");
  EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", 9}, Cartridge{"B.ROM", 13}}),
            " -roma 2 A.ROM -romb 5 B.ROM");
  EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", -1}, Cartridge{"B.ROM", -1}}), "");
  EXPECT_EQ(brmsxCartridgeTokens({Cartridge{"A.ROM", 18}, Cartridge{"B.ROM", 6}}), "");
}

TEST(BrmsxTokensTest, Disk) {
  EXPECT_EQ(brmsxDiskToken(""), "");
  EXPECT_EQ(brmsxDiskToken("Select A:Drive[PC]"), " -mount a:");
  EXPECT_EQ(brmsxDiskToken("SELECT A:DRIVE[PC]"), " -diska SELECT A:DRIVE[PC]");
  EXPECT_EQ(brmsxDiskToken("D.DSK"), " -diska D.DSK");
}

TEST(BrmsxCommandTest, WorkedExampleAndItsCheckText) {
  LauncherState state;
  state.brmsxExePath = R"(C:\EMU\BRMSX.EXE)";
  state.brmsxModel = 1;
  state.brmsxResolution = 6;
  state.slots[0].path = R"(C:\GAMES\A.ROM)";
  state.slots[0].mapper = 12;
  state.drives[0].path = std::string(kPcDriveMarker);
  state.brmsxOptions.scc = 1;
  state.brmsxOptions.fmpac = 1;
  const std::string expected =
      R"(BRMSX.EXE -msx2 -res 8 -roma 6 C:\GAMES\A.ROM -mount a: -scc -fmpac)";
  ASSERT_EQ(expected.size(), 67u);
  EXPECT_EQ(composeBrmsxCommand(state, PathStyle::Windows), expected);
  EXPECT_EQ(brmsxCommandCheckText(state, PathStyle::Windows, *makeSystemTextCodec()),
            expected + "(67)");
}

TEST(BrmsxCommandTest, FreshStateAndOrderOfEveryPiece) {
  LauncherState state;
  state.brmsxExePath = "/emu/BRMSX.EXE";
  EXPECT_EQ(composeBrmsxCommand(state, PathStyle::Posix), "BRMSX.EXE -res 0");

  state.brmsxModel = 2;
  state.slots[0].path = "/r/A.ROM";
  state.slots[0].mapper = 7;
  state.slots[1].path = "/r/B.ROM";
  state.slots[1].mapper = 8;
  state.drives[0].path = "/d/A.DSK";
  state.drives[1].path = "/d/B.DSK";
  state.tapePath = "/t/T.CAS";
  state.brmsxOptions.frame = 3;
  EXPECT_EQ(composeBrmsxCommand(state, PathStyle::Posix),
            "BRMSX.EXE -msx2+ -res 0 -roma 0 /r/A.ROM -romb 1 /r/B.ROM -diska /d/A.DSK"
            " -tape /t/T.CAS -frame 3");
}

TEST(BrmsxCommandTest, EmptyExecutableBeginsWithABlank) {
  EXPECT_EQ(composeBrmsxCommand(LauncherState{}, PathStyle::Posix), " -res 0");
}

TEST(BrmsxCommandTest, TheRunPassesWhatTheCheckShowsFromTheEmulatorsFolder) {
  testing::CurrentFolderGuard restore;
  testing::TempFolder emulatorFolder;
  auto currentFolder = makeCurrentFolder();
  auto files = makeFileSystem();
  auto systemText = makeSystemTextCodec();
  const std::string listed = currentFolder->get();
  LauncherState state;
  state.brmsxExePath = emulatorFolder.write("BRMSX.EXE");
  state.drives[0].path = std::string(kPcDriveMarker);
  std::vector<std::string> started;
  std::string folderAtStart;
  const std::string command = buildBrmsxCommand(
      state, LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText},
      [&](const std::string& line) {
        started.push_back(line);
        folderAtStart = currentFolder->get();
      });
  EXPECT_EQ(command, "BRMSX.EXE -res 0 -mount a:");
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(brmsxCommandCheckText(state, PathStyle::Posix, *systemText), started[0] + "(26)");
  EXPECT_EQ(folderAtStart, emulatorFolder.string());
  EXPECT_EQ(currentFolder->get(), listed);
}

TEST(BrmsxCommandTest, AFailingStartStillRestoresTheFolder) {
  testing::CurrentFolderGuard restore;
  testing::TempFolder emulatorFolder;
  auto currentFolder = makeCurrentFolder();
  auto files = makeFileSystem();
  auto systemText = makeSystemTextCodec();
  const std::string listed = currentFolder->get();
  LauncherState state;
  state.brmsxExePath = emulatorFolder.write("BRMSX.EXE");
  EXPECT_THROW(buildBrmsxCommand(
                   state, LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText},
                   [](const std::string&) { throw std::runtime_error("start"); }),
               std::runtime_error);
  EXPECT_EQ(currentFolder->get(), listed);
}

}  // namespace
}  // namespace vorlent
