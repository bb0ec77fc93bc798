// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
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
#include "support/CountingBusy.h"
#include "support/HostileTexts.h"
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

// The listing as the file list holds it after listing the folder and the header click.
std::string listedLines(const std::string& path, std::optional<int> column) {
  FileList list;
  testing::CountingBusy busy;
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

// Every name is one record of six fields on one line, whatever it holds: what could act on the
// terminal is shown as the file list shows it.
TEST_F(CliTest, ListWritesOneRecordALineWhateverTheNames) {
  std::vector<const testing::HostileText*> named;
  for (const testing::HostileText& text : testing::kHostileTexts) {
    const std::string raw = text.raw;
    if (raw.empty() || raw.find('/') != std::string::npos) continue;
    folder.write("hostile/" + raw, raw);
    named.push_back(&text);
  }
  const CliRun result = run({"list", folder.at("hostile")});
  EXPECT_EQ(result.status, 0) << result.err;
  std::vector<std::vector<std::string>> records;
  for (std::size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    std::vector<std::string> fields(1);
    for (const char c : result.out.substr(start, end - start)) {
      if (c == '\t')
        fields.emplace_back();
      else
        fields.back() += c;
    }
    EXPECT_EQ(fields.size(), 6u) << fields[0];
    fields.resize(6);
    records.push_back(fields);
  }
  EXPECT_EQ(records.size(), named.size() + 1);  // and ".."
  for (const testing::HostileText* text : named) {
    const auto record = std::find_if(records.begin(), records.end(),
                                     [&](const auto& fields) { return fields[0] == text->shown; });
    ASSERT_NE(record, records.end()) << text->raw;
    EXPECT_EQ((*record)[3], folder.at("hostile/") + text->shown);
  }
  const CliRun hostileFolder = run({"list", folder.at("gone\x1b]0;title\x07")});
  EXPECT_EQ(hostileFolder.err, "vorlent-cli: cannot list " + folder.at("gone") + testing::kMark +
                                   "]0;title" + testing::kMark + "\n");
}

// A write that fails is an error, never a short listing with status 0.
TEST_F(CliTest, AFailedWriteIsAnErrorWithStatusOne) {
  folder.write("listed/a.rom");
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"list", folder.at("listed")},
        std::vector<std::string>{"options", "fmsx", "--config", config({})}}) {
    std::string line = testing::shellQuoted(std::string(VORLENT_BINARY_DIR) + "/vorlent-cli");
    for (const std::string& word : words) line += " " + testing::shellQuoted(word);
    line += " >/dev/full 2>" + testing::shellQuoted(output.at("err"));
    const int raw = std::system(line.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << words[0];
    EXPECT_EQ(output.read("err"), "vorlent-cli: cannot write the output: ディスクがいっぱいです\n");
  }
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
