// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/CommandLineWords.h"
#include "platform/DosStartPlan.h"
#include "platform/ProgramKind.h"

namespace vorlent {
namespace {

TEST(CommandLineWordsTest, SplitAtBlanks) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"BRMSX.EXE -res 0", {"BRMSX.EXE", "-res", "0"}},
      {" -res 0", {"-res", "0"}},
      {"FMSX-DOS.EXE  -video 3 -verbose 0 ", {"FMSX-DOS.EXE", "-video", "3", "-verbose", "0"}},
      {"", {}},
      {"   ", {}},
      {"a\tb", {"a\tb"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(splitAtBlanks(c.line), c.words) << '"' << c.line << '"';
  }
}

// A file of the given bytes, read as the starter reads a program.
ProgramKind kindOf(const char* name, const std::string& bytes) {
  return programKindOf(name, [&](std::size_t offset, std::size_t length) {
    return offset >= bytes.size() ? std::string() : bytes.substr(offset, length);
  });
}

std::string mzHeader(std::uint32_t newHeaderOffset, std::size_t size = 0x80) {
  std::string bytes(size, '\0');
  bytes[0] = 'M';
  bytes[1] = 'Z';
  for (int i = 0; i < 4; ++i) {
    bytes[0x3C + i] = static_cast<char>((newHeaderOffset >> (8 * i)) & 0xFF);
  }
  return bytes;
}

TEST(ProgramKindTest, MsDosProgramsAreComFilesMzWithoutPeAndComImagesNamedExe) {
  std::string windows = mzHeader(0x80) + std::string("PE\0\0", 4) + std::string(16, '\0');
  std::string newExecutable = mzHeader(0x80) + "LE" + std::string(16, '\0');
  struct Case {
    const char* name;
    std::string bytes;
    ProgramKind kind;
  };
  const Case cases[] = {
      {"GAME.COM", "\xB4\x4C\xCD\x21", ProgramKind::MsDos},
      {"game.com", "", ProgramKind::MsDos},
      {"BRMSX.EXE", mzHeader(0), ProgramKind::MsDos},
      {"brmsx.exe", mzHeader(0x10000), ProgramKind::MsDos},
      {"dos4gw.exe", newExecutable, ProgramKind::MsDos},
      {"tiny.exe", "MZ\x10", ProgramKind::MsDos},
      {"brmsx.exe", "\xB4\x4C\xCD\x21", ProgramKind::MsDos},
      {"BRMSX.EXE", std::string(0xFF00, '\x90'), ProgramKind::MsDos},
      {"brmsx.exe", std::string(0xFF01, '\x90'), ProgramKind::Native},
      {"brmsx.exe",
       "\x7F"
       "ELF\x02\x01\x01",
       ProgramKind::Native},
      {"setup.exe", windows, ProgramKind::Native},
      {"brmsx.exe", "#!/bin/sh\n", ProgramKind::Native},
      {"brmsx.exe", "", ProgramKind::Native},
      {"emulator", mzHeader(0), ProgramKind::Native},
      {"emulator.sh", "MZ", ProgramKind::Native},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(kindOf(c.name, c.bytes), c.kind) << c.name;
  }
}

TEST(DosStartPlanTest, ShortNames) {
  const std::map<std::string, bool> cases = {
      {"BRMSX.EXE", true},
      {"fmsx-dos.exe", true},
      {"A", true},
      {"GAME.C", true},
      {"ABCDEFGHI.EXE", false},
      {"A.ROMS", false},
      {"A B.EXE", false},
      {".EXE", false},
      {"A.B.C", false},
      {"", false},
      {"A.", false},
      {"NAME~1.DSK", true},
  };
  for (const auto& [name, isShort] : cases) {
    EXPECT_EQ(isDosShortName(name), isShort) << name;
  }
  EXPECT_EQ(stagedDosName("M", 1, "/x/Long Name.dsk"), "M1.DSK");
  EXPECT_EQ(stagedDosName("M", 12, "/x/game.rom.gz"), "M12.GZ");
  EXPECT_EQ(stagedDosName("M", 2, "/x/archive.tape"), "M2");
  EXPECT_EQ(stagedDosName("M", 3, "/x/noextension"), "M3");
}

TEST(DosStartPlanTest, HostFilesAreStagedAndEverythingElsePassesAsItStands) {
  const std::map<std::string, std::string> hostFiles = {
      {"/s/a.rom", "/real/Cartridge One.rom"},
      {"/s/b.rom", "/real/Cartridge One.rom"},
      {"/s/d.dsk", "/real/Disk.dsk"},
  };
  const HostFileOf hostFileOf = [&](std::string_view argument) -> std::optional<std::string> {
    const auto found = hostFiles.find(std::string(argument));
    return found == hostFiles.end() ? std::nullopt : std::optional<std::string>(found->second);
  };
  const DosStartPlan plan =
      planDosStart("/emu/BRMSX.EXE",
                   {"-res", "0", "-roma", "2", "/s/a.rom", "-romb", "0", "/s/b.rom", "-mount",
                    "a:", "-tape", "/s/d.dsk", "@Vorlent.cfg", "/s/missing.cas"},
                   hostFileOf);
  EXPECT_EQ(plan.program, "BRMSX.EXE");
  EXPECT_EQ(plan.stagedFiles, (std::vector<StagedFile>{{"M1.ROM", "/real/Cartridge One.rom"},
                                                       {"M2.DSK", "/real/Disk.dsk"}}));
  EXPECT_EQ(plan.shellLine(),
            R"(BRMSX.EXE -res 0 -roma 2 D:\M1.ROM -romb 0 D:\M1.ROM -mount a: -tape D:\M2.DSK)"
            R"( @Vorlent.cfg /s/missing.cas)");
}

TEST(DosStartPlanTest, AProgramWithoutAShortNameIsStagedToo) {
  const DosStartPlan plan =
      planDosStart("/emu/My Program.exe", {"/x"}, [](std::string_view) { return "/x"; });
  EXPECT_EQ(plan.program, R"(D:\RUN0.EXE)");
  EXPECT_EQ(plan.stagedFiles,
            (std::vector<StagedFile>{{"RUN0.EXE", "/emu/My Program.exe"}, {"M1", "/x"}}));
  EXPECT_EQ(plan.commandTail(), R"( D:\M1)");
}

// DOSBox runs the line as a batch line: nothing in a word that is passed as it stands may be read
// by its shell, and a host path that is no regular file is never passed; a program with such a
// name is staged under a plain one.
TEST(DosStartPlanTest, WordsDosBoxsShellWouldReadAreRefusedOrStaged) {
  const HostFileOf hostFileOf = [](std::string_view argument) -> std::optional<std::string> {
    if (argument.starts_with("/real/")) {
      return std::string(argument);
    }
    return std::nullopt;
  };
  const struct {
    std::string program;
    std::vector<std::string> arguments;
    std::optional<std::string> refused;
    std::string shellLine;
  } cases[] = {
      {"/e/BRMSX.EXE",
       {"-res", "0", "a:", "@Vorlent.cfg"},
       std::nullopt,
       "BRMSX.EXE -res 0 a: @Vorlent.cfg"},
      {"/e/BRMSX.EXE", {"/real/x>BRMSX.EXE"}, std::nullopt, R"(BRMSX.EXE D:\M1.EXE)"},
      {"/e/BRMSX.EXE", {"/gone/a.rom", "x<y"}, "/gone/a.rom", "BRMSX.EXE /gone/a.rom x<y"},
      {"/e/BRMSX.EXE", {"-a", "x>y"}, "x>y", "BRMSX.EXE -a x>y"},
      {"/e/BRMSX.EXE", {"a|b"}, "a|b", "BRMSX.EXE a|b"},
      {"/e/BRMSX.EXE", {"a\"b"}, "a\"b", "BRMSX.EXE a\"b"},
      {"/e/BRMSX.EXE", {"%PATH%"}, "%PATH%", "BRMSX.EXE %PATH%"},
      {"/e/BRMSX.EXE", {"it's"}, "it's", "BRMSX.EXE it's"},
      {"/e/BRMSX.EXE", {"a\nexit"}, "a\nexit", "BRMSX.EXE a\nexit"},
      {"/e/BRMSX.EXE", {"a\rb"}, "a\rb", "BRMSX.EXE a\rb"},
      {"/e/BRMSX.EXE", {std::string("a\x1a")}, std::string("a\x1a"), "BRMSX.EXE a\x1a"},
      {"/e/BRMSX.EXE", {"C:\\GONE.ROM"}, "C:\\GONE.ROM", "BRMSX.EXE C:\\GONE.ROM"},
      {"/e/@BRMSX.EXE", {}, std::nullopt, R"(D:\RUN0.EXE)"},
      {"/e/IT'S.EXE", {}, std::nullopt, R"(D:\RUN0.EXE)"},
      {"/e/A%B.EXE", {}, std::nullopt, R"(D:\RUN0.EXE)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program + " " + (c.arguments.empty() ? "" : c.arguments.front()));
    const DosStartPlan plan = planDosStart(c.program, c.arguments, hostFileOf);
    EXPECT_EQ(plan.refusedWord, c.refused);
    EXPECT_EQ(plan.shellLine(), c.shellLine);
  }
}

TEST(DosStartPlanTest, TheCommandTailIsWhatMsDosHandsTheProgram) {
  const auto noFiles = [](std::string_view) { return std::optional<std::string>(); };
  EXPECT_EQ(planDosStart("/e/A.EXE", {}, noFiles).commandTail(), "");
  const std::string longest(kDosCommandTailLimit - 1, 'x');
  EXPECT_EQ(planDosStart("/e/A.EXE", {longest}, noFiles).commandTail().size(), 126u);
}

}  // namespace
}  // namespace vorlent
