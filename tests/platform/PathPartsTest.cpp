// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PathParts.h"

#include <gtest/gtest.h>

namespace vorlent {
namespace {

struct PathCase {
  PathStyle style;
  const char* path;
  const char* folder;
  const char* folderWithDelimiter;
  const char* fileName;
  const char* extension;
};

class PathPartsTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathPartsTest, SplitsThePath) {
  const PathCase& c = GetParam();
  EXPECT_EQ(folderPart(c.path, c.style), c.folder);
  EXPECT_EQ(folderPartWithDelimiter(c.path, c.style), c.folderWithDelimiter);
  EXPECT_EQ(fileNamePart(c.path, c.style), c.fileName);
  EXPECT_EQ(extensionOf(c.path, c.style), c.extension);
}

constexpr PathStyle W = PathStyle::Windows;
constexpr PathStyle P = PathStyle::Posix;

INSTANTIATE_TEST_SUITE_P(
    BothStyles, PathPartsTest,
    ::testing::Values(PathCase{W, R"(C:\EMU\FMSX-DOS.EXE)", R"(C:\EMU)", R"(C:\EMU\)",
                               "FMSX-DOS.EXE", ".EXE"},
                      PathCase{W, R"(C:\FMSX-DOS.EXE)", R"(C:\)", R"(C:\)", "FMSX-DOS.EXE", ".EXE"},
                      PathCase{W, "C:GAME.ROM", "C:", "C:", "GAME.ROM", ".ROM"},
                      PathCase{W, R"(\\SERVER\SHARE\A.DSK)", R"(\\SERVER\SHARE)",
                               R"(\\SERVER\SHARE\)", "A.DSK", ".DSK"},
                      PathCase{W, R"(C:\DIR.D\NOEXT)", R"(C:\DIR.D)", R"(C:\DIR.D\)", "NOEXT", ""},
                      PathCase{W, "BRMSX.EXE", "", "", "BRMSX.EXE", ".EXE"},
                      PathCase{W, "", "", "", "", ""},
                      PathCase{W, "a/b.rom", "", "", "a/b.rom", ".rom"},
                      PathCase{P, "/emu/fmsx-dos.exe", "/emu", "/emu/", "fmsx-dos.exe", ".exe"},
                      PathCase{P, "/fmsx-dos.exe", "/", "/", "fmsx-dos.exe", ".exe"},
                      PathCase{P, "//a.exe", "//", "//", "a.exe", ".exe"},
                      PathCase{P, "/home/u/My Games/x.tar.gz", "/home/u/My Games",
                               "/home/u/My Games/", "x.tar.gz", ".gz"},
                      PathCase{P, "/home/u/.hidden", "/home/u", "/home/u/", ".hidden", ".hidden"},
                      PathCase{P, R"(C:\EMU\A.EXE)", "", "", R"(C:\EMU\A.EXE)", ".EXE"},
                      PathCase{P, "/dir.d/noext", "/dir.d", "/dir.d/", "noext", ""}));

TEST(AsciiLowerTest, LowersOnlyAsciiLetters) {
  EXPECT_EQ(asciiLower("GAME.ROM"), "game.rom");
  EXPECT_EQ(asciiLower("Ä.ROM"), "Ä.rom");
  EXPECT_EQ(asciiLower("ＲＯＭ@[`{"), "ＲＯＭ@[`{");
  EXPECT_EQ(asciiLower(std::string("A\0B", 3)), std::string("a\0b", 3));
}

TEST(HasExtensionTest, ComparesTheLastComponentCaseFolded) {
  EXPECT_TRUE(hasExtension("/x/GAME.RoM", ".rom", P));
  EXPECT_FALSE(hasExtension("/x.rom/GAME", ".rom", P));
  EXPECT_FALSE(hasExtension("/x/GAME.rom.bak", ".rom", P));
  EXPECT_TRUE(hasExtension(R"(C:\X.DSK\A.DSK)", ".dsk", W));
  EXPECT_FALSE(hasExtension(R"(C:\A.DSK\B)", ".dsk", W));
}

TEST(JoinPathTest, PutsOneDelimiterBetween) {
  EXPECT_EQ(joinPath("/emu", "a", P), "/emu/a");
  EXPECT_EQ(joinPath("/", "a", P), "/a");
  EXPECT_EQ(joinPath(R"(C:\)", "A", W), R"(C:\A)");
  EXPECT_EQ(joinPath(R"(C:\EMU)", "A", W), R"(C:\EMU\A)");
  EXPECT_EQ(joinPath("C:", "A", W), "C:A");
  EXPECT_EQ(joinPath("", "a", P), "a");
}

}  // namespace
}  // namespace vorlent
