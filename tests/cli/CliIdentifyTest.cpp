// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/Sha1Digester.h"
#include "support/CliRun.h"
#include "support/SoftwareDatabaseText.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::CliRun;
using testing::shellQuoted;
using testing::softwareDatabaseText;
using testing::TempFolder;

class CliIdentifyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.write(
        "db.xml",
        softwareDatabaseText({
            {"Space\tWar", "Konami", "1986", "JP", "MSX", {{hash("scc"), "KonamiSCC", true}}},
            {"Tiny", "", "", "", "MSX", {{hash("plain"), "", false}}},
            {"Irem", "Irem", "1988", "JP", "MSX", {{hash("rtype"), "R-Type", true}}},
            {"Dos", "ASCII", "1989", "JP", "MSX2", {{hash("dos"), "MSXDOS2", true}}},
        }));
    for (const char* name : {"scc", "plain", "rtype", "dos", "other"}) {
      folder.write(std::string(name) + ".rom", name);
    }
  }

  static std::string hash(const std::string& content) {
    return sha1Hex(makeSha1Digester()->digestOf(content));
  }

  // Runs the companion in the test folder, with a timeout so that no hang stalls the suite.
  CliRun run(const std::vector<std::string>& args) {
    return testing::runCli(args, output, "cd " + shellQuoted(folder.string()) + " && timeout 20 ");
  }

  TempFolder folder;
  TempFolder output;
};

TEST_F(CliIdentifyTest, PrintsOneTabSeparatedLinePerFile) {
  const CliRun result = run({"identify", "--database", "db.xml", "scc.rom", "plain.rom",
                             "rtype.rom", "dos.rom", "other.rom"});
  EXPECT_EQ(result.out, "scc.rom\t" + hash("scc") +
                            "\tSpace\xef\xbf\xbd"
                            "War\tKonami\t1986\tKonamiSCC\t9\t9\n" +
                            "plain.rom\t" + hash("plain") + "\tTiny\t-\t-\t-\t-\t-\n" +
                            "rtype.rom\t" + hash("rtype") + "\tIrem\tIrem\t1988\tR-Type\t-\t-\n" +
                            "dos.rom\t" + hash("dos") + "\tDos\tASCII\t1989\tMSXDOS2\t8\t-\n" +
                            "other.rom\t" + hash("other") + "\t-\t-\t-\t-\t-\t-\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.status, 0);
}

TEST_F(CliIdentifyTest, ExitStatusTellsUnreadableFilesDatabaseFailuresAndUsage) {
  ASSERT_EQ(::mkfifo(folder.at("pipe.rom").c_str(), 0600), 0);
  folder.write("broken.xml", "<softwaredb>");
  std::filesystem::create_directory(folder.at("folder.xml"));
  const struct {
    std::vector<std::string> args;
    std::string out;
    std::string err;
    int status;
  } cases[] = {
      {{"identify", "--database", "db.xml", "missing.rom", "scc.rom", "pipe.rom"},
       "scc.rom\t" + hash("scc") +
           "\tSpace\xef\xbf\xbd"
           "War\tKonami\t1986\tKonamiSCC\t9\t9\n",
       "vorlent-cli: cannot read missing.rom: ファイルが見つかりません\n"
       "vorlent-cli: cannot read pipe.rom: 'pipe.rom' は通常のファイルではありません\n",
       1},
      {{"identify", "--database", "broken.xml", "scc.rom"},
       "",
       "vorlent-cli: cannot load the software database: broken.xml: not well-formed XML (line "
       "1: no element found)\n",
       1},
      {{"identify", "--database", "none.xml", "scc.rom"},
       "",
       "vorlent-cli: cannot load the software database: none.xml: no database file was found\n",
       1},
      {{"identify", "--database", "folder.xml", "scc.rom"},
       "",
       "vorlent-cli: cannot load the software database: folder.xml: 'folder.xml' は通常のファイル"
       "ではありません\n",
       1},
      {{"identify", "--database", "db.xml"}, "", "", 2},
      {{"identify"}, "", "", 2},
      {{"identify", "--database"}, "", "", 2},
      {{"identify", "--database", "db.xml", "--database", "db.xml", "scc.rom"}, "", "", 2},
      {{"identify", "--sort", "1", "scc.rom"}, "", "", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const CliRun result = run(c.args);
    EXPECT_EQ(result.out, c.out);
    if (c.status == 2) {
      EXPECT_NE(result.err.find("vorlent-cli identify [--database FILE] [--] FILE..."),
                std::string::npos);
    } else {
      EXPECT_EQ(result.err, c.err);
    }
    EXPECT_EQ(result.status, c.status);
  }
  EXPECT_EQ(folder.read("scc.rom"), "scc");
}

// Names and titles come from outside: none of their characters may move the cursor, break the
// line or reverse the text on the terminal. Controls, separators and direction marks become
// U+FFFD as in the window, and so does each byte of no UTF-8 character; names that begin with
// "-" follow "--".
TEST_F(CliIdentifyTest, NamesAndTitlesNeverActOnTheTerminal) {
  folder.write("hostile.xml", softwareDatabaseText({
                                  {"Red&#x9b;[31mAlert",
                                   "Co&#x7f;&#x2028;",
                                   "19&#x85;87",
                                   "JP",
                                   "MSX",
                                   {{hash("csi"), "KonamiSCC", true}}},
                                  {"Evil&#x202e;gnp.exe&#x202c;",
                                   "&#x200e;&#x200f;&#x61c;",
                                   "",
                                   "",
                                   "MSX",
                                   {{hash("bidi"), "", false}}},
                                  {"Is&#x2066;o&#x2069;\tTab",
                                   "&#x202a;&#x202b;&#x202d;&#x2067;&#x2068;",
                                   "",
                                   "",
                                   "MSX",
                                   {{hash("iso"), "", false}}},
                              }));
  const struct {
    std::string name;
    std::string content;
    std::string shown;
  } files[] = {
      {"-dash.rom", "csi", "-dash.rom"},
      {"--long.rom", "bidi", "--long.rom"},
      {"e\x1b[2J.rom", "iso", "e\xef\xbf\xbd[2J.rom"},
      {"b\xe2\x80\xaegpj.rom", "csi", "b\xef\xbf\xbdgpj.rom"},
      {"x\xff\xc0\xafy.rom", "bidi", "x\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbdy.rom"},
      {"c\xc2\x9b\x7f.rom", "iso", "c\xef\xbf\xbd\xef\xbf\xbd.rom"},
      {"line\r\nbreak\b\xe2\x80\xa8.rom", "none",
       "line\xef\xbf\xbd\xef\xbf\xbd"
       "break\xef\xbf\xbd\xef\xbf\xbd.rom"},
  };
  std::vector<std::string> args = {"identify", "--database", "hostile.xml", "--"};
  std::string expected;
  const std::map<std::string, std::string> lines = {
      {"csi",
       "Red\xef\xbf\xbd[31mAlert\tCo\xef\xbf\xbd\xef\xbf\xbd\t19\xef\xbf\xbd"
       "87\tKonamiSCC\t9\t9"},
      {"bidi",
       "Evil\xef\xbf\xbdgnp.exe\xef\xbf\xbd\t\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\t-\t-\t-\t-"},
      {"iso",
       "Is\xef\xbf\xbdo\xef\xbf\xbd\xef\xbf\xbdTab\t\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf"
       "\xbd\xef\xbf\xbd\t-\t-\t-\t-"},
      {"none", "-\t-\t-\t-\t-\t-"},
  };
  for (const auto& file : files) {
    folder.write(file.name, file.content);
    args.push_back(file.name);
    expected += file.shown + "\t" + hash(file.content) + "\t" + lines.at(file.content) + "\n";
  }
  args.push_back("gone\x1b]0;title\x07.rom");
  const CliRun result = run(args);
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err,
            "vorlent-cli: cannot read gone\xef\xbf\xbd]0;title\xef\xbf\xbd.rom: "
            "ファイルが見つかりません\n");
  EXPECT_EQ(result.status, 1);

  // Without "--" a word that begins with "--" is an option.
  EXPECT_EQ(run({"identify", "--database", "hostile.xml", "--long.rom"}).status, 2);
  EXPECT_EQ(run({"identify", "--database", "hostile.xml", "--", "--"}).status, 1);
}

// A database that does not fit in the memory the companion may use is a load failure with its
// reason, not an abort. AddressSanitizer cannot run under an address space limit.
TEST_F(CliIdentifyTest, RunningOutOfMemoryIsALoadFailure) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer needs more address space than the limit leaves";
#endif
  folder.write("huge.xml",
               "<softwaredb>" + std::string(std::size_t{32} << 20, ' ') + "</softwaredb>");
  const CliRun outcome =
      testing::runCli({"identify", "--database", "huge.xml", "scc.rom"}, output,
                      "cd " + shellQuoted(folder.string()) + " && ulimit -v 24576 && timeout 20 ");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err,
            "vorlent-cli: cannot load the software database: huge.xml: not enough memory to read "
            "it\n");
}

}  // namespace
}  // namespace vorlent
