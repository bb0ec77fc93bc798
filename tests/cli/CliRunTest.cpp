// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/StartTestSupport.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::CliRun;
using testing::TempFolder;

class CliRunTest : public ::testing::Test {
 protected:
  CliRun run(const std::vector<std::string>& args) { return testing::runCli(args, output); }

  // Vorlent.ini with line 1 naming the folder, the brMSX executable on line 5 and slot 1 on
  // lines 9 and 10; every option at its initial value.
  std::string config(const std::string& brmsxExe, const std::string& rom) {
    std::vector<std::string> lines(100, "0");
    lines[0] = folder.string();
    for (int marker : {1, 3, 5, 7, 33, 57}) lines[static_cast<std::size_t>(marker)] = "[x]";
    lines[2] = lines[6] = "";
    lines[4] = brmsxExe;
    lines[8] = rom;
    lines[9] = "9";
    lines[10] = "";
    lines[11] = "-1";
    for (int i = 12; i < 33; ++i) lines[static_cast<std::size_t>(i)] = "";
    lines[34] = "1";
    const int fmsx[] = {0, 100, 0, 1, 1, 1, 1, 0, 0, 0, 2, 1, 6, 10, 1, 0, 2, 0, 7, 0, 1};
    for (int i = 0; i < 21; ++i) lines[static_cast<std::size_t>(36 + i)] = std::to_string(fmsx[i]);
    const int brmsx[] = {0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 45455, 0,
                         3, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,     0};
    for (int i = 0; i < 40; ++i) lines[static_cast<std::size_t>(60 + i)] = std::to_string(brmsx[i]);
    std::string bytes;
    for (const std::string& text : lines) bytes += text + "\r\n";
    return folder.write("Vorlent.ini", bytes);
  }

  TempFolder folder;
  TempFolder output;
};

TEST_F(CliRunTest, StartsTheEmulatorWithItsCommandLineInItsFolder) {
  const std::string record = folder.at("record");
  const std::string exe = folder.write(
      "emu/BRMSX.EXE", "#!/bin/sh\npwd > '" + record + ".tmp'\necho \"$@\" >> '" + record +
                           ".tmp'\nmv '" + record + ".tmp' '" + record + "'\n");
  ::chmod(exe.c_str(), 0755);
  const std::string rom = folder.write("game.rom");
  const CliRun outcome = run({"run", "brmsx", "--config", config(exe, rom)});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  // The emulator runs on its own; wait for what it recorded.
  ASSERT_TRUE(testing::waitUntil([&] { return std::filesystem::exists(record); }));
  EXPECT_EQ(folder.read("record"), folder.at("emu") + "\n-res 0 -roma 2 " + rom + "\n");
}

TEST_F(CliRunTest, AFailedStartPrintsTheMessageAndExitsOne) {
  const std::string missing = folder.at("emu/brmsx.exe");
  const CliRun outcome = run({"run", "brmsx", "--config", config(missing, "")});
  EXPECT_EQ(outcome.status, 1);
  // The setup's path to no file was emptied on loading: the emulator is to be located again.
  EXPECT_EQ(outcome.err,
            "\"brmsx.exe\" can not be carried out. (2)\n"
            "brmsx.exe の場所が指定されていません。「BRMSX 2.6(MS-DOS)」タブの「実行ファイル」か、"
            "実行 → 実行ファイルのディレクトリ → brmsx.exe で、brmsx.exe のあるフォルダを選んで"
            "ください。\n");
}

// Nothing a saved setup names runs anything but the emulator: a FIFO whose name holds a DOSBox
// redirection is refused before DOSBox, and without an emulator's path no program named like
// its first option runs from the listed folder.
TEST_F(CliRunTest, ASetupOfHostileNamesStartsNothing) {
  const std::string record = folder.at("record");
  const std::string option = folder.write("-res", "#!/bin/sh\necho ran > '" + record + "'\n");
  ::chmod(option.c_str(), 0755);
  const std::string dosProgram = folder.write("emu/brmsx.exe", "MZ" + std::string(62, '\0'));
  const std::string fifo = folder.at("roms/g>PWNED.TXT");
  std::filesystem::create_directories(folder.path() / "roms");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string exe;
    std::string rom;
    std::string firstLine;
  } cases[] = {
      {dosProgram, fifo, "\"brmsx.exe\" can not be carried out. (22)"},
      {"", "", "\"brmsx.exe\" can not be carried out. (2)"},
  };
  for (const auto& c : cases) {
    const CliRun outcome = run({"run", "brmsx", "--config", config(c.exe, c.rom)});
    EXPECT_EQ(outcome.status, 1) << c.firstLine;
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), c.firstLine);
  }
  EXPECT_FALSE(std::filesystem::exists(record));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "emu" / "PWNED.TXT"));
  EXPECT_EQ(folder.read("emu/brmsx.exe"), "MZ" + std::string(62, '\0'));
}

TEST_F(CliRunTest, WrongArgumentsPrintTheUsage) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"run"}, {"run", "palamsx"}, {"run", "brmsx", "fmsx"}, {"run", "brmsx", "--config"}}) {
    const CliRun outcome = run(args);
    EXPECT_EQ(outcome.status, 2) << args.size();
    EXPECT_NE(outcome.err.find("vorlent-cli run brmsx|fmsx [--config FILE]"), std::string::npos);
  }
}

}  // namespace
}  // namespace vorlent
