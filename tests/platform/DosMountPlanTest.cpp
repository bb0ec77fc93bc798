#include "platform/DosMountPlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vorlent {
namespace {

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
  };
  const HostFileOf files =
      hostFiles({"C:\\DISKS\\GAME~1.DSK", "C:\\DISKS\\B.DSK", "D:\\ROMS\\A.ROM", "C:\\EMU\\A.ROM"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DosMountPlan plan = planDosMounts(c.program, c.arguments, files);
    EXPECT_EQ(plan.mounts, c.mounts);
    EXPECT_EQ(plan.run.shellLine(), c.shellLine);
    EXPECT_TRUE(plan.run.stagedFiles.empty());
  }
}

// The line runs in DOSBox's shell on Windows too, where "'" is read as a quote; a file or folder
// whose name brings such a character into the line is refused, as is a path to no file.
TEST(DosMountPlanTest, WordsDosBoxsShellWouldReadAreRefused) {
  const struct {
    std::string program;
    std::vector<std::string> arguments;
    std::optional<std::string> refused;
  } cases[] = {
      {"C:\\EMU\\BRMSX.EXE", {"-res", "0", "C:\\OK\\A.ROM", "a:"}, std::nullopt},
      {"C:\\EMU\\BRMSX.EXE", {"C:\\GONE\\A.ROM"}, "C:\\GONE\\A.ROM"},
      {"C:\\EMU\\BRMSX.EXE", {"C:\\O'NEIL\\A.ROM"}, "C:\\O'NEIL\\A.ROM"},
      {"C:\\EMU\\BRMSX.EXE", {"C:\\OK\\100%.ROM"}, "C:\\OK\\100%.ROM"},
      {"C:\\EMU\\BRMSX.EXE", {"%PATH%"}, "%PATH%"},
      {"C:\\EMU\\BRMSX.EXE", {"x>y"}, "x>y"},
      {"C:\\EMU\\IT'S.EXE", {}, "IT'S.EXE"},
      {"C:\\EMU\\@X.EXE", {}, "@X.EXE"},
      {"C:\\100%\\BRMSX.EXE", {}, "C:\\100%"},
  };
  const HostFileOf files = hostFiles({"C:\\OK\\A.ROM", "C:\\O'NEIL\\A.ROM", "C:\\OK\\100%.ROM"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program + " " + (c.arguments.empty() ? "" : c.arguments.front()));
    const DosMountPlan plan = planDosMounts(c.program, c.arguments, files);
    EXPECT_EQ(plan.run.refusedWord, c.refused);
    EXPECT_EQ(dosBoxCommandLine("D.EXE", plan).has_value(), !c.refused);
  }
}

TEST(DosMountPlanTest, FilesBeyondDriveZAreRefused) {
  std::set<std::string> existing;
  std::vector<std::string> arguments;
  for (int i = 0; i < 24; ++i) {
    arguments.push_back("C:\\F" + std::to_string(i) + "\\A.DSK");
    existing.insert(arguments.back());
  }
  const DosMountPlan plan = planDosMounts("C:\\EMU\\X.EXE", arguments, hostFiles(existing));
  ASSERT_EQ(plan.mounts.size(), 24u);
  EXPECT_EQ(plan.mounts.back(), (DosMount{'Z', "C:\\F22"}));
  EXPECT_EQ(plan.run.arguments[22], "Z:\\A.DSK");
  EXPECT_EQ(plan.run.refusedWord, arguments[23]);
  EXPECT_EQ(plan.run.arguments[23], "C:\\F23\\A.DSK");
}

TEST(DosMountPlanTest, QuotesArgumentsAsTheCRuntimeSplitsThem) {
  const struct {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"", R"("")"},
      {"c:", R"("c:")"},
      {"mount c C:\\EMU", R"("mount c C:\EMU")"},
      {"mount c \"C:\\My Emu\"", R"("mount c \"C:\My Emu\"")"},
      {"mount c \"C:\\\"", R"("mount c \"C:\\\"")"},
      {"C:\\", R"("C:\\")"},
      {"a\\\\b", R"("a\\b")"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(quotedWindowsArgument(c.text), c.quoted) << c.text;
  }
}

TEST(DosMountPlanTest, DosBoxCommandLineMountsRunsAndExits) {
  const DosMountPlan plan = planDosMounts(
      "C:\\My Emu\\FMSX-DOS.EXE", {"-diska", "D:\\DISKS\\A.DSK"}, hostFiles({"D:\\DISKS\\A.DSK"}));
  EXPECT_EQ(dosBoxCommandLine("C:\\Program Files\\DOSBox-0.74-3\\DOSBox.exe", plan),
            R"("C:\Program Files\DOSBox-0.74-3\DOSBox.exe" -c "mount -u c")"
            R"( -c "mount c \"C:\My Emu\"" -c "mount -u d" -c "mount d D:\DISKS" -c "c:")"
            R"( -c "FMSX-DOS.EXE -diska D:\A.DSK" -c "exit")");
}

// MS-DOS hands a program at most 126 characters after its name.
TEST(DosMountPlanTest, NoCommandLineForATailLongerThanMsDosTakes) {
  for (const std::size_t length : {125u, 126u, 127u}) {
    SCOPED_TRACE(length);
    const DosMountPlan plan =
        planDosMounts("C:\\EMU\\X.EXE", {std::string(length - 1, 'a')}, hostFiles({}));
    ASSERT_EQ(plan.run.commandTail().size(), length);
    EXPECT_EQ(dosBoxCommandLine("D.EXE", plan).has_value(), length <= 126);
  }
}

}  // namespace
}  // namespace vorlent
