#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "browser/ListFolder.h"
#include "browser/ListSort.h"
#include "feedback/Feedback.h"
#include "launch/BrmsxCommand.h"
#include "launch/FmsxCommand.h"
#include "platform/Failure.h"
#include "support/CliRun.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::CliRun;
using testing::CurrentFolderGuard;
using testing::TempFolder;

class CliTest : public ::testing::Test {
 protected:
  CliRun run(const std::vector<std::string>& args) { return testing::runCli(args, output); }

  // A saved configuration with line 1 naming the folder and the given lines changed.
  std::string config(std::vector<std::pair<int, std::string>> changes) {
    std::vector<std::string> lines(100);
    lines[0] = folder.string();
    lines[9] = lines[11] = "-1";
    lines[34] = "1";
    lines[35] = lines[58] = lines[59] = "0";
    const FmsxOptions f;
    const int fmsx[] = {f.ifreq, f.speed,  f.swapb,  f.vram,       f.ram,     f.joystick,
                        f.sync,  f.adjust, f.sprite, f.modeswitch, f.chipset, f.uperiod,
                        f.sound, f.vol,    f.scc,    f.fmpac,      f.sq,      f.stereo,
                        f.reveb, f.chorus, f.verbose};
    for (int i = 0; i < 21; ++i) lines[static_cast<std::size_t>(36 + i)] = std::to_string(fmsx[i]);
    for (int i = 60; i < 100; ++i) lines[static_cast<std::size_t>(i)] = "0";
    for (const auto& [line, text] : changes) lines[static_cast<std::size_t>(line - 1)] = text;
    std::string bytes;
    for (const std::string& text : lines) bytes += text + "\r\n";
    return folder.write("Vorlent.ini", bytes);
  }

  CurrentFolderGuard guard;
  TempFolder folder;
  TempFolder output;
};

TEST_F(CliTest, PrintsTheCommandLinesAsTheRunCommandBuildsThem) {
  folder.write("emu/brmsx.exe");
  const std::string fmsxExe = folder.write("emu/fmsx-dos.exe");
  const std::string rom = folder.write("game.rom");
  // Relative paths resolve against line 1, not against the folder the companion starts in.
  const std::string file = config({{3, fmsxExe},
                                   {5, "emu/brmsx.exe"},
                                   {9, rom},
                                   {10, "12"},
                                   {35, "2"},
                                   {59, "1"},
                                   {62, "2"},
                                   {37, "1"}});
  std::filesystem::current_path("/");
  LauncherState expected;
  expected.fmsxExePath = fmsxExe;
  expected.fmsxOptions.ifreq = 1;
  expected.brmsxExePath = "emu/brmsx.exe";
  expected.slots[0].path = rom;
  expected.slots[0].mapper = 12;
  expected.fmsxModel = 2;
  expected.brmsxModel = 1;
  expected.brmsxOptions = BrmsxOptions{};
  for (int BrmsxOptions::*field :
       {&BrmsxOptions::megaram, &BrmsxOptions::mapper, &BrmsxOptions::frame, &BrmsxOptions::sr,
        &BrmsxOptions::joysens, &BrmsxOptions::autospeed, &BrmsxOptions::sq}) {
    expected.brmsxOptions.*field = 0;
  }
  expected.brmsxOptions.cpu = 2;

  const CliRun brmsx = run({"command", "brmsx", "--config", file});
  EXPECT_EQ(brmsx.status, 0) << brmsx.err;
  EXPECT_EQ(brmsx.out, composeBrmsxCommand(expected, PathStyle::Posix) + "\n");
  EXPECT_EQ(brmsx.out.rfind("brmsx.exe -", 0), 0U) << brmsx.out;
  EXPECT_EQ(brmsx.err, "");

  // Without Vorlent.cfg the option text stays out; with it the reference is added, and the
  // file is left as it was.
  const std::string withoutCfg = run({"command", "fmsx", "--config", file}).out;
  EXPECT_EQ(withoutCfg, "fmsx-dos.exe -msx2+ -rom 4 " + rom + "\n");
  folder.write("emu/Vorlent.cfg", "old\r\n");
  const std::string withCfg = run({"command", "fmsx", "--config", file}).out;
  EXPECT_EQ(withCfg, "fmsx-dos.exe @Vorlent.cfg -msx2+ -rom 4 " + rom + "\n");
  EXPECT_EQ(folder.read("emu/Vorlent.cfg"), "old\r\n");
}

TEST_F(CliTest, PrintsTheOptionTexts) {
  const std::string file = config({{37, "1"}, {61, "1"}});
  FmsxOptions fmsx;
  fmsx.ifreq = 1;
  BrmsxOptions brmsx{};
  for (int BrmsxOptions::*field :
       {&BrmsxOptions::megaram, &BrmsxOptions::mapper, &BrmsxOptions::frame, &BrmsxOptions::sr,
        &BrmsxOptions::joysens, &BrmsxOptions::autospeed, &BrmsxOptions::sq}) {
    brmsx.*field = 0;
  }
  brmsx.ifreq = 1;
  EXPECT_EQ(run({"options", "fmsx", "--config", file}).out, fmsxOptionText(fmsx) + "\n");
  EXPECT_EQ(run({"options", "brmsx", "--config", file}).out, brmsxOptionText(brmsx) + "\n");
}

TEST_F(CliTest, ALoadFailurePrintsTheErrorReportAndExitsOne) {
  const std::string file = config({{36, "4"}});
  const CliRun indexRun = run({"command", "brmsx", "--config", file});
  EXPECT_EQ(indexRun.status, 1);
  EXPECT_EQ(indexRun.out, "");
  EXPECT_EQ(indexRun.err, errorReportText(indexOutOfRangeText(4)) + "\n");
  EXPECT_EQ(indexRun.err.back(), '\n');

  const std::string empty = folder.write("empty.ini");
  const CliRun emptyRun = run({"options", "fmsx", "--config", empty});
  EXPECT_EQ(emptyRun.status, 1);
  EXPECT_EQ(emptyRun.err, errorReportText(notAnIntegerText("")) + "\n");

  // A named file that is not there, or a folder, is no setup to compose from.
  for (const std::string& named : {folder.at("none.ini"), folder.string()}) {
    const CliRun namedRun = run({"options", "fmsx", "--config", named});
    EXPECT_EQ(namedRun.status, 1) << named;
    EXPECT_EQ(namedRun.out, "");
    EXPECT_NE(namedRun.err.find(named), std::string::npos) << namedRun.err;
  }
}

TEST_F(CliTest, WrongArgumentsPrintTheUsageAndExitTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"run"},
      {"command"},
      {"command", "msx"},
      {"command", "brmsx", "extra"},
      {"command", "brmsx", "--config"},
      {"command", "brmsx", "--config", "a", "--config", "b"},
      {"options", "fmsx", "--sort", "1"},
  };
  for (const auto& args : cases) {
    const CliRun result = run(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("usage: vorlent-cli"), std::string::npos);
  }
}

class QuietBusy final : public BusyIndicator {
 public:
  void begin() override {}
  void end() override {}
};

// The listing as the file list holds it after listing the folder and the header click.
std::string listedLines(const std::string& path, std::optional<int> column) {
  FileList list;
  QuietBusy busy;
  const auto enumerator = makeFolderEnumerator();
  EXPECT_TRUE(ListFolder(list, path, *enumerator, busy));
  if (column) sortByColumn(list, static_cast<ListColumn>(*column), *makeSystemTextCodec());
  std::string lines;
  for (const FileListEntry& e : list.entries()) {
    lines += e.caption + "\t" + std::to_string(e.iconIndex) + "\t" + e.sizeText + "\t" +
             e.fullPath + "\t" + e.typeText + "\t" + e.timeStamp + "\n";
  }
  return lines;
}

TEST_F(CliTest, ListsAFolderInEveryColumnOrder) {
  // Listed one level down, so that ".." is a folder no other process touches.
  folder.write("listed/b.ROM", std::string(3000, 'x'));
  folder.write("listed/A.dsk", "1");
  folder.write("listed/c.cas");
  folder.write("listed/sub/inner.txt");
  const std::string listed = folder.at("listed");
  const CliRun plain = run({"list", listed});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.out, listedLines(listed, std::nullopt));
  EXPECT_NE(plain.out.find("A.dsk\t"), std::string::npos);
  EXPECT_NE(plain.out.find("\t" + folder.at("listed/b.ROM") + "\t"), std::string::npos);
  EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 5);
  for (int column = 0; column < 5; ++column) {
    SCOPED_TRACE(column);
    const CliRun sorted = run({"list", listed, "--sort", std::to_string(column)});
    EXPECT_EQ(sorted.status, 0);
    EXPECT_EQ(sorted.out, listedLines(listed, column));
  }
}

TEST_F(CliTest, ListRefusesBadSortColumnsAndUnreadableFolders) {
  for (const char* column : {"5", "-1", "01", "", "x"}) {
    const CliRun result = run({"list", folder.string(), "--sort", column});
    EXPECT_EQ(result.status, 2) << column;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(run({"list"}).status, 2);
  EXPECT_EQ(run({"list", "a", "b"}).status, 2);
  const CliRun missing = run({"list", folder.at("missing")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
}

TEST_F(CliTest, TheDefaultConfigurationLiesBesideTheProgram) {
  const std::filesystem::path beside = std::filesystem::path(VORLENT_BINARY_DIR) / "Vorlent.ini";
  if (std::filesystem::exists(beside)) GTEST_SKIP() << "a Vorlent.ini already lies there";
  std::filesystem::copy_file(config({{37, "1"}}), beside);
  const CliRun result = run({"options", "fmsx"});
  std::filesystem::remove(beside);
  FmsxOptions fmsx;
  fmsx.ifreq = 1;
  EXPECT_EQ(result.out, fmsxOptionText(fmsx) + "\n");
}

}  // namespace
}  // namespace vorlent
