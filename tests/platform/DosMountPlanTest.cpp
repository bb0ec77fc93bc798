// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DosMountPlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vorlent {
namespace {

std::string sameBytes(std::string_view utf8) { return std::string(utf8); }

// "ソフト表" in code page 932: both "ソ" and "表" end in the byte of "\"; "ポ" ends in that of "|".
constexpr std::string_view kSoftwareTable = "\x83\x5C\x83\x74\x83\x67\x95\x5C";
const std::string kSoftwareTableUtf8 = "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88\xE8\xA1\xA8";
const std::string kPoUtf8 = "\xE3\x83\x9D";

std::string toCodePage(std::string_view utf8) {
  std::string bytes(utf8);
  for (const auto& [from, to] : {std::pair{kSoftwareTableUtf8, std::string(kSoftwareTable)},
                                 std::pair{kPoUtf8, std::string("\x83\x7C")}})
    for (std::size_t at; (at = bytes.find(from)) != std::string::npos;)
      bytes.replace(at, from.size(), to);
  return bytes;
}

// The host files that exist for these tests.
HostFileOf hostFiles(std::set<std::string> files) {
  return [files = std::move(files)](std::string_view argument) -> std::optional<std::string> {
    if (files.count(std::string(argument)) == 0) {
      return std::nullopt;
    }
    return std::string(argument);
  };
}

TEST(DosMountPlanTest, MountsTheProgramFolderAndEachFolderOfAnArgumentFile) {
  const struct {
    const char* what;
    std::string program;
    std::vector<std::string> arguments;
    std::vector<DosMount> mounts;
    std::string shellLine;
    std::vector<StagedFile> staged = {};
  } cases[] = {
      {"no arguments", "C:\\EMU\\FMSX-DOS.EXE", {}, {{'C', "C:\\EMU"}}, "FMSX-DOS.EXE"},
      {"a drive's root", "E:\\BRMSX.EXE", {"-msx2"}, {{'C', "E:\\"}}, "BRMSX.EXE -msx2"},
      {"files in two folders, one of them twice",
       "C:\\EMU\\FMSX-DOS.EXE",
       {"-msx2", "-diska", "C:\\DISKS\\GAME~1.DSK", "-diskb", "C:\\DISKS\\B.DSK", "-cart1",
        "D:\\ROMS\\A.ROM", "@Vorlent.cfg"},
       {{'C', "C:\\EMU"}, {'D', "C:\\DISKS"}, {'E', "D:\\ROMS"}},
       "FMSX-DOS.EXE -msx2 -diska D:\\GAME~1.DSK -diskb D:\\B.DSK -cart1 E:\\A.ROM @Vorlent.cfg"},
      {"a file beside the program gets a drive of its own",
       "C:\\EMU\\BRMSX.EXE",
       {"C:\\EMU\\A.ROM"},
       {{'C', "C:\\EMU"}, {'D', "C:\\EMU"}},
       "BRMSX.EXE D:\\A.ROM"},
      {"a missing file stays as it is, and the plan refuses it",
       "C:\\EMU\\BRMSX.EXE",
       {"C:\\GONE\\A.ROM"},
       {{'C', "C:\\EMU"}},
       "BRMSX.EXE C:\\GONE\\A.ROM"},
      {"a long name goes on the staging drive, the next free one, under a name of its own",
       "C:\\EMU\\BRMSX.EXE",
       {"C:\\DISKS\\B.DSK", "D:\\Games\\Space Manbow.rom", "D:\\ROMS\\A.ROM",
        "D:\\Games\\Space Manbow.rom", "D:\\Games\\penguin adventure"},
       {{'C', "C:\\EMU"}, {'D', "C:\\DISKS"}, {'F', "D:\\ROMS"}},
       "BRMSX.EXE D:\\B.DSK E:\\M1.ROM F:\\A.ROM E:\\M1.ROM E:\\M2",
       {{"M1.ROM", "D:\\Games\\Space Manbow.rom"}, {"M2", "D:\\Games\\penguin adventure"}}},
      {"a program, or a folder, the shell would read or DOSBox could not mount, is staged",
       "C:\\EMU\\IT'S.EXE",
       {"C:\\MSX\\" + kSoftwareTableUtf8 + "\\A.ROM", "C:\\" + kPoUtf8 + "\\B",
        "C:\\O'NEIL\\A.ROM"},
       {{'C', "C:\\EMU"}},
       "D:\\RUN0.EXE D:\\M1.ROM D:\\M2 D:\\M3.ROM",
       {{"RUN0.EXE", "C:\\EMU\\IT'S.EXE"},
        {"M1.ROM", "C:\\MSX\\" + kSoftwareTableUtf8 + "\\A.ROM"},
        {"M2", "C:\\" + kPoUtf8 + "\\B"},
        {"M3.ROM", "C:\\O'NEIL\\A.ROM"}}},
  };
  const HostFileOf files =
      hostFiles({"C:\\DISKS\\GAME~1.DSK", "C:\\DISKS\\B.DSK", "D:\\ROMS\\A.ROM", "C:\\EMU\\A.ROM",
                 "D:\\Games\\Space Manbow.rom", "D:\\Games\\penguin adventure",
                 "C:\\MSX\\" + kSoftwareTableUtf8 + "\\A.ROM", "C:\\" + kPoUtf8 + "\\B",
                 "C:\\O'NEIL\\A.ROM"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DosMountPlan plan = planDosMounts(c.program, c.arguments, files, toCodePage);
    EXPECT_EQ(plan.mounts, c.mounts);
    EXPECT_EQ(plan.run.shellLine(), c.shellLine);
    EXPECT_EQ(plan.run.stagedFiles, c.staged);
    EXPECT_EQ(plan.stagingDrive.has_value(), !c.staged.empty());
  }
}

// The line runs in DOSBox's shell on Windows too, where "'" is read as a quote: an argument that
// names no file and brings such a character into the line is refused, as is a program folder
// that DOSBox cannot mount by its path (the one drive that cannot be staged).
TEST(DosMountPlanTest, WordsDosBoxsShellWouldReadAreRefused) {
  const struct {
    std::string program;
    std::vector<std::string> arguments;
    std::optional<std::string> refused;
  } cases[] = {
      {"C:\\EMU\\BRMSX.EXE", {"-res", "0", "C:\\OK\\A.ROM", "a:"}, std::nullopt},
      {"C:\\EMU\\BRMSX.EXE", {"C:\\GONE\\A'.ROM"}, "C:\\GONE\\A'.ROM"},
      {"C:\\EMU\\BRMSX.EXE", {"%PATH%"}, "%PATH%"},
      {"C:\\EMU\\BRMSX.EXE", {"x>y"}, "x>y"},
      {"C:\\100%\\BRMSX.EXE", {}, "C:\\100%"},
      {"C:\\MSX\\" + kSoftwareTableUtf8 + "\\BRMSX.EXE", {}, "C:\\MSX\\" + kSoftwareTableUtf8},
      {"C:\\" + kPoUtf8 + "\\BRMSX.EXE", {}, "C:\\" + kPoUtf8},
  };
  const HostFileOf files = hostFiles({"C:\\OK\\A.ROM"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program + " " + (c.arguments.empty() ? "" : c.arguments.front()));
    const DosMountPlan plan = planDosMounts(c.program, c.arguments, files, toCodePage);
    EXPECT_EQ(plan.run.refusedWord, c.refused);
    EXPECT_EQ(dosBoxCommandLine("D.EXE", plan, toCodePage).has_value(), !c.refused);
  }
}

TEST(DosMountPlanTest, FilesBeyondDriveZAreRefused) {
  std::set<std::string> existing;
  std::vector<std::string> arguments;
  for (int i = 0; i < 24; ++i) {
    arguments.push_back("C:\\F" + std::to_string(i) + "\\A.DSK");
    existing.insert(arguments.back());
  }
  const DosMountPlan plan =
      planDosMounts("C:\\EMU\\X.EXE", arguments, hostFiles(existing), sameBytes);
  ASSERT_EQ(plan.mounts.size(), 24u);
  EXPECT_EQ(plan.mounts.back(), (DosMount{'Z', "C:\\F22"}));
  EXPECT_EQ(plan.run.arguments[22], "Z:\\A.DSK");
  EXPECT_EQ(plan.run.refusedWord, arguments[23]);
  EXPECT_EQ(plan.run.arguments[23], "C:\\F23\\A.DSK");
}

// The words of a command line as a C runtime splits it byte by byte: 2n backslashes before a
// quote are n and the quote opens or closes, 2n+1 are n and a quote of the word.
std::vector<std::string> splitBytewise(std::string_view line) {
  std::vector<std::string> words;
  bool quoted = false, inWord = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    const std::size_t backslashes = std::min(line.find_first_not_of('\\', i), line.size()) - i;
    if (!inWord && i < line.size() && line[i] != ' ') words.emplace_back(), inWord = true;
    if (i == line.size() || (line[i] == ' ' && !quoted)) {
      inWord = false;
    } else if (i + backslashes < line.size() && line[i + backslashes] == '"') {
      words.back().append(backslashes / 2, '\\') += backslashes % 2 ? "\"" : "";
      quoted ^= backslashes % 2 == 0;
      i += backslashes;
    } else {
      words.back() += line.substr(i, std::max<std::size_t>(backslashes, 1));
      i += backslashes > 0 ? backslashes - 1 : 0;
    }
  }
  return words;
}

TEST(DosMountPlanTest, QuotesArgumentsAsTheCRuntimeSplitsThem) {
  const std::string japanese = "C:\\MSX\\" + std::string(kSoftwareTable);
  const struct {
    std::string bytes;
    std::string quoted;
  } cases[] = {
      {"", R"("")"},
      {"c:", R"("c:")"},
      {"mount c C:\\EMU", R"("mount c C:\EMU")"},
      {"mount c \"C:\\My Emu\"", R"("mount c \"C:\My Emu\"")"},
      {"mount c \"C:\\\"", R"("mount c \"C:\\\"")"},
      {"C:\\", R"("C:\\")"},
      {"a\\\\b", R"("a\\b")"},
      {japanese, "\"" + japanese + "\\\""},
      {"@mount c " + japanese + " >nul", "\"@mount c " + japanese + " >nul\""},
      {"mount c \"" + japanese + "\"", "\"mount c \\\"" + japanese + "\\\\\"\""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(quotedWindowsArgument(c.bytes), c.quoted) << c.bytes;
    EXPECT_EQ(splitBytewise("D.EXE -c " + quotedWindowsArgument(c.bytes) + " -c x"),
              (std::vector<std::string>{"D.EXE", "-c", c.bytes, "-c", "x"}))
        << c.bytes;
  }
}

// The code page's bytes are quoted, not the UTF-8 text: a folder holding the byte of "\" inside
// its characters keeps it, and ends where its quote does.
TEST(DosMountPlanTest, TheCommandLineIsQuotedInTheCodePagesBytes) {
  const DosMountPlan plan = planDosMounts("C:\\MSX " + kSoftwareTableUtf8 + "\\EMU\\BRMSX.EXE", {},
                                          hostFiles({}), toCodePage);
  const std::vector<std::string> words =
      splitBytewise(dosBoxCommandLine("C:\\DOSBox\\dosbox.exe", plan, toCodePage).value());
  ASSERT_EQ(words.size(), 13u);
  EXPECT_EQ(words[4], "@mount c \"C:\\MSX " + std::string(kSoftwareTable) + "\\EMU\" >nul");
  EXPECT_EQ(words[8], "@BRMSX.EXE");
}

TEST(DosMountPlanTest, DosBoxCommandLineMountsRunsAndExits) {
  DosMountPlan plan = planDosMounts("C:\\My Emu\\FMSX-DOS.EXE", {"-diska", "D:\\DISKS\\A.DSK"},
                                    hostFiles({"D:\\DISKS\\A.DSK"}), sameBytes);
  const std::string commands =
      R"( -c "@mount -u c >nul" -c "@mount c \"C:\My Emu\" >nul" -c "@mount -u d >nul")"
      R"( -c "@mount d D:\DISKS >nul" -c "@c:" -c "@FMSX-DOS.EXE -diska D:\A.DSK")"
      R"( -c "@if errorlevel 1 pause" -c "@exit")";
  const std::string dosBox = R"("C:\Program Files\DOSBox-0.74-3\DOSBox.exe")";
  EXPECT_EQ(dosBoxCommandLine("C:\\Program Files\\DOSBox-0.74-3\\DOSBox.exe", plan, sameBytes),
            dosBox + commands);
  plan.configuration = "C:\\MYEMU~1\\DOSBOX.CON";
  EXPECT_EQ(dosBoxCommandLine("C:\\Program Files\\DOSBox-0.74-3\\DOSBox.exe", plan, sameBytes),
            dosBox + R"( -userconf -conf "C:\MYEMU~1\DOSBOX.CON")" + commands);
}

// MS-DOS hands a program at most 126 characters after its name.
TEST(DosMountPlanTest, NoCommandLineForATailLongerThanMsDosTakes) {
  for (const std::size_t length : {125u, 126u, 127u}) {
    SCOPED_TRACE(length);
    const DosMountPlan plan =
        planDosMounts("C:\\EMU\\X.EXE", {std::string(length - 1, 'a')}, hostFiles({}), sameBytes);
    ASSERT_EQ(plan.run.commandTail().size(), length);
    EXPECT_EQ(dosBoxCommandLine("D.EXE", plan, sameBytes).has_value(), length <= 126);
  }
}

}  // namespace
}  // namespace vorlent
