// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "launch/EmulatorStart.h"
#include "platform/ShortPaths.h"
#include "platform/StartTestSupport.h"
#include "platform/posix/PosixDosBox.h"
#include "support/RecordingFeedback.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

namespace fs = std::filesystem;

bool onPath(const char* program) {
  return std::system(("command -v " + std::string(program) + " >/dev/null").c_str()) == 0;
}

// An MS-DOS emulator stand-in, assembled from DosProbe.asm, in a folder whose name has blanks;
// DOSBox runs headless with a configuration of its own in a private home.
// The command that assembles one of the test's MS-DOS programs in tests/platform, whose shared
// header it includes. Not __FILE__: a compiler cache may make that relative to a folder other
// than ctest's.
std::string assembling(const std::string& source, const fs::path& output,
                       const std::string& defines = "") {
  const std::string folder = std::string(VORLENT_TESTS_SOURCE_DIR) + "/platform/";
  return "nasm -f bin " + defines + " -i '" + folder + "' -o '" + output.string() + "' '" + folder +
         source + "'";
}

class DosBoxStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(onPath("nasm")) << "the DOSBox tests need nasm (scripts/install-deps.sh)";
    fs::create_directories(root.path() / "home");
    fs::create_directories(root.path() / "listed");
    emulator = root.path() / "Emulator Folder With Blanks" / "brmsx.exe";
    fs::create_directories(emulator.parent_path());
    const std::string assemble = assembling("DosProbe.asm", emulator);
    ASSERT_EQ(std::system(assemble.c_str()), 0) << assemble;
    currentFolder->set(root.at("listed"));
  }

  std::string shortForm(const std::string& path) { return shortPaths->shortForm(path).value(); }

  StartServices services(Feedback& feedback) {
    return StartServices{LaunchServices{*currentFolder, *files, PathStyle::Posix, *systemText},
                         *starter, feedback};
  }

  static bool stagingsLeft(const fs::path& stagingRoot) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(stagingRoot, ignored)) {
      if (entry.path().filename().string().starts_with("run-")) {
        return true;
      }
    }
    return false;
  }

  testing::CurrentFolderGuard restore;
  testing::TempFolder root;
  testing::ScopedVariable home{"HOME", root.at("home")};
  testing::ScopedVariable noDataHome{"XDG_DATA_HOME", std::nullopt};
  testing::ScopedVariable runtime{"XDG_RUNTIME_DIR", root.at("home")};
  testing::ScopedVariable video{"SDL_VIDEODRIVER", "dummy"};
  testing::ScopedVariable audio{"SDL_AUDIODRIVER", "dummy"};
  fs::path emulator;
  std::unique_ptr<CurrentFolder> currentFolder = makeCurrentFolder();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::unique_ptr<SystemTextCodec> systemText = makeSystemTextCodec();
  std::unique_ptr<ShortPaths> shortPaths = makeShortPaths();
  std::unique_ptr<ProcessStarter> starter = makeProcessStarter();
};

TEST_F(DosBoxStartTest, TheProgramRunsInItsFolderAndReachesTheMediaThroughDosPaths) {
  ASSERT_TRUE(onPath("dosbox")) << "the DOSBox tests need dosbox (scripts/install-deps.sh)";
  const std::string rom = root.write("Media Library/A Very Long Cartridge Name.rom", "ROMDATA!");
  const std::string disk = root.write("Media Library/Disk Image With Blanks.dsk", "DISKDATA");
  const std::string tape =
      root.write("Media Library/The Tape Of The Game.cas", "CASDATA1........the rest of the tape");
  LauncherState state;
  state.brmsxExePath = shortForm(emulator.string());
  state.slots[0].path = shortForm(rom);
  state.slots[0].mapper = 7;
  state.drives[0].path = shortForm(disk);
  state.tapePath = shortForm(tape);
  testing::RecordingFeedback feedback;

  EXPECT_TRUE(runBrmsx(state, services(feedback)));
  EXPECT_TRUE(feedback.events.empty());
  EXPECT_EQ(currentFolder->get(), root.at("listed"));

  const fs::path output = emulator.parent_path() / "OUT.TXT";
  ASSERT_TRUE(testing::waitUntil([&] { return testing::fileText(output).ends_with("END"); }))
      << "the program left no complete OUT.TXT";
  EXPECT_EQ(testing::fileText(output),
            " -res 0 -roma 0 D:\\M1.ROM -diska D:\\M2.DSK -tape D:\\M3.CAS\r\n"
            "C:\\\r\n"
            "CASDATA1\r\n"
            "END");
  EXPECT_EQ(root.read("Media Library/The Tape Of The Game.cas"),
            "CASDATA1DOSWRITEthe rest of the tape");

  // Once DOSBox has ended its staging folder goes, and only the links in it.
  const fs::path stagingRoot = root.path() / "home" / "vorlent-dosbox";
  EXPECT_TRUE(testing::waitUntil([&] {
    DosBox::removeEndedStagings();
    return !stagingsLeft(stagingRoot);
  })) << "the staging folder outlived DOSBox";
  EXPECT_TRUE(fs::exists(emulator));
  EXPECT_EQ(root.read("Media Library/Disk Image With Blanks.dsk"), "DISKDATA");
}

// The user's DOSBox configuration is used as it is, even one whose start-up commands mount C: and
// D: themselves: the program's own drives replace them.
TEST_F(DosBoxStartTest, DrivesTheUsersConfigurationMountsAreReplaced) {
  ASSERT_TRUE(onPath("dosbox")) << "the DOSBox tests need dosbox (scripts/install-deps.sh)";
  // DOSBox writes its default configuration into the home and names it.
  FILE* printed = ::popen("dosbox -printconf 2>/dev/null", "r");
  ASSERT_NE(printed, nullptr);
  char line[4096] = {};
  const bool named = std::fgets(line, sizeof line, printed) != nullptr;
  ::pclose(printed);
  ASSERT_TRUE(named);
  std::string configuration = line;
  configuration.erase(configuration.find_last_not_of("\r\n") + 1);
  ASSERT_TRUE(fs::exists(configuration)) << configuration;
  fs::create_directories(root.path() / "elsewhere" / "c");
  fs::create_directories(root.path() / "elsewhere" / "d");
  {
    std::FILE* file = std::fopen(configuration.c_str(), "a");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "mount c %s\nmount d %s\nc:\n", root.at("elsewhere/c").c_str(),
                 root.at("elsewhere/d").c_str());
    std::fclose(file);
  }
  const std::string tape = root.write("Media Library/The Tape Of The Game.cas", "CASDATA1");
  LauncherState state;
  state.brmsxExePath = shortForm(emulator.string());
  state.tapePath = shortForm(tape);
  testing::RecordingFeedback feedback;

  EXPECT_TRUE(runBrmsx(state, services(feedback)));

  const fs::path output = emulator.parent_path() / "OUT.TXT";
  ASSERT_TRUE(testing::waitUntil([&] { return testing::fileText(output).ends_with("END"); }))
      << "the program did not run on the program's own C:";
  EXPECT_EQ(testing::fileText(output), " -res 0 -tape D:\\M1.CAS\r\nC:\\\r\nCASDATA1\r\nEND");
  EXPECT_TRUE(fs::is_empty(root.path() / "elsewhere" / "c"));
}

// A program that stops with a nonzero code leaves DOSBox waiting, its message on the screen, until
// a key; one that ends with 0 closes DOSBox at once. DOSBox draws on a display of the test's own,
// under a runtime folder whose path is longer than DOSBox 0.74 can mount (it would abort).
TEST_F(DosBoxStartTest, DosBoxWaitsForAKeyOnlyAfterAFailedProgram) {
  ASSERT_TRUE(onPath("dosbox") && onPath("Xvfb") && onPath("xdotool") && onPath("import"))
      << "the test needs dosbox, Xvfb, xdotool and ImageMagick (scripts/install-deps.sh)";
  // -noreset: a server that resets as its last client leaves refuses the next DOSBox meanwhile.
  const std::string xvfb = "Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>'" +
                           root.at("display") + "' 2>/dev/null & echo $! >'" + root.at("pid") + "'";
  ASSERT_EQ(std::system(xvfb.c_str()), 0);
  // The display ends with the test, whichever way it ends.
  const struct EndsWithTheTest {
    std::string pidFile;
    ~EndsWithTheTest() {
      if (const std::string pid = testing::fileText(pidFile); !pid.empty()) {
        ::kill(std::stoi(pid), SIGTERM);
      }
    }
  } xvfbProcess{root.at("pid")};
  const auto display = [&] { return testing::fileText(root.at("display")); };
  ASSERT_TRUE(testing::waitUntil([&] { return display().ends_with("\n"); }, 20));
  const testing::ScopedVariable onDisplay("DISPLAY",
                                          ":" + display().substr(0, display().size() - 1));
  const testing::ScopedVariable drawn("SDL_VIDEODRIVER", std::nullopt);
  const std::string longRuntime = root.at("run/") + std::string(150, 'r') + "/" +
                                  std::string(150, 'r') + "/" +
                                  std::string(486 - root.at("run/").size() - 302, 'r');
  fs::create_directories(longRuntime);
  const testing::ScopedVariable runtimeFolder("XDG_RUNTIME_DIR", longRuntime);
  const auto showsDosBox = [] {
    return std::system("xdotool search --onlyvisible --name DOSBox >/dev/null") == 0;
  };
  for (const int exitCode : {1, 0}) {
    SCOPED_TRACE(exitCode);
    const std::string assemble =
        assembling("DosExit.asm", emulator, "-D EXITCODE=" + std::to_string(exitCode));
    ASSERT_EQ(std::system(assemble.c_str()), 0) << assemble;
    fs::remove(emulator.parent_path() / "RAN.TXT");
    LauncherState state;
    state.brmsxExePath = shortForm(emulator.string());
    testing::RecordingFeedback feedback;
    ASSERT_TRUE(runBrmsx(state, services(feedback))) << feedback.events.at(0);
    ASSERT_TRUE(
        testing::waitUntil([&] { return fs::exists(emulator.parent_path() / "RAN.TXT"); }, 20))
        << "DOSBox did not run the program";
    if (exitCode == 1) {
      std::this_thread::sleep_for(std::chrono::seconds(3));
      if (const char* shots = std::getenv("VORLENT_SCREENSHOT_DIR")) {
        std::system(("import -window root '" + std::string(shots) + "/dosbox-wait.png'").c_str());
      }
      ASSERT_TRUE(showsDosBox()) << "DOSBox closed before its message could be read";
      // Without a window manager the focus may not take at once: the key goes again until DOSBox
      // has gone.
      for (int press = 0; press < 3 && showsDosBox(); ++press) {
        std::system("xdotool search --onlyvisible --name DOSBox windowfocus --sync key space");
        testing::waitUntil([&] { return !showsDosBox(); }, 5);
      }
    }
    EXPECT_TRUE(testing::waitUntil([&] { return !showsDosBox(); }, 20)) << "DOSBox stayed open";
  }
}

// An emulator folder's dosbox.conf, in any case, is read after the user's configuration, through a
// link on the staging folder; without one nothing is added, and one that is no file is refused.
TEST_F(DosBoxStartTest, TheEmulatorFoldersDosBoxConfIsReadAfterTheUsersOwn) {
  const struct {
    const char* dosBox;
    const char* conf;  // nullptr for none, a name ending in "/" for a folder
    const char* confArguments;
  } cases[] = {
      {"dosbox", nullptr, ""},
      {"dosbox", "DOSBox.CONF", "-userconf\n-conf\nSTAGING/dosbox.conf\n"},
      {"dosbox-staging", "dosbox.conf", "-conf\nSTAGING/dosbox.conf\n"},
      {"dosbox", "dosbox.conf/", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dosBox + std::string(" ") + (c.conf ? c.conf : "none"));
    const testing::TempFolder bin;
    bin.write(c.dosBox, testing::recordingScript(root.path() / "record"));
    testing::makeExecutable(bin.path() / c.dosBox);
    fs::create_symlink("/bin/mv", bin.path() / "mv");
    const testing::ScopedVariable path("PATH", bin.string());
    fs::remove(root.path() / "record");
    const fs::path conf = emulator.parent_path() / (c.conf ? c.conf : "");
    if (c.conf && c.confArguments) root.write(conf.lexically_relative(root.path()).string(), "x");
    if (c.conf && !c.confArguments) fs::create_directory(conf);
    LauncherState state;
    state.brmsxExePath = shortForm(emulator.string());
    testing::RecordingFeedback feedback;
    EXPECT_EQ(runBrmsx(state, services(feedback)), c.confArguments != nullptr);
    if (!c.confArguments) {
      EXPECT_NE(
          feedback.events.at(0).find("(22)\n「" + conf.parent_path().string() + "」は DOSBox"),
          std::string::npos)
          << feedback.events.at(0);
    } else {
      const std::string recorded = testing::waitForFile(root.path() / "record").value_or("");
      std::smatch staging;
      ASSERT_TRUE(std::regex_search(recorded, staging, std::regex("@mount c (\\S+)/C >nul")));
      EXPECT_EQ(std::regex_replace(recorded, std::regex(staging[1].str()), "STAGING"),
                c.confArguments +
                    std::string("-c\n@mount -u c >nul\n-c\n@mount c STAGING/C >nul\n") +
                    "-c\n@c:\n-c\n@brmsx.exe -res 0\n-c\n@if errorlevel 1 pause\n-c\n@exit\ncwd=" +
                    emulator.parent_path().string() + "\n");
      EXPECT_TRUE(!c.conf || fs::equivalent(staging[1].str() + "/dosbox.conf", conf));
    }
    if (c.conf) fs::remove_all(conf);
  }
}

// Closing without having started DOSBox leaves no staging folder behind.
TEST_F(DosBoxStartTest, NoStagingFolderWithoutAStart) {
  { const DosBox unused; }
  EXPECT_FALSE(fs::exists(root.path() / "home" / "vorlent-dosbox"));
}

TEST_F(DosBoxStartTest, FailuresBeforeDosBoxStarts) {
  LauncherState tooLong;
  tooLong.brmsxExePath = emulator.string();
  for (int BrmsxOptions::*flag :
       {&BrmsxOptions::ifreq, &BrmsxOptions::ram, &BrmsxOptions::Korean, &BrmsxOptions::green,
        &BrmsxOptions::nocache, &BrmsxOptions::cpug, &BrmsxOptions::psgg, &BrmsxOptions::nosound,
        &BrmsxOptions::scc, &BrmsxOptions::fmpac, &BrmsxOptions::speaker, &BrmsxOptions::joy,
        &BrmsxOptions::fakejoy, &BrmsxOptions::snespad, &BrmsxOptions::autofire}) {
    tooLong.brmsxOptions.*flag = 1;
  }
  LauncherState plain;
  plain.brmsxExePath = emulator.string();
  plain.drives[0].path = std::string(kPcDriveMarker);

  const testing::TempFolder emptyBin;
  struct Case {
    const char* what;
    const LauncherState& state;
    std::optional<std::string> path;
    const char* message;
    const char* reason;
  };
  const Case cases[] = {
      {"tail of 127 or more", tooLong, std::nullopt,
       "\"brmsx.exe\" can not be carried out. (7)\n"
       "MS-DOS に渡すコマンドラインが 135 文字になります。MS-DOS がプログラムに渡せるのは 126 "
       "文字までです。オプションかメディアを減らしてください。",
       "more than the 126"},
      {"no DOSBox on PATH", plain, emptyBin.string(),
       "\"brmsx.exe\" can not be carried out. (2)\n"
       "MS-DOS のプログラムは DOSBox の中で動きますが、検索パス (PATH) に dosbox、dosbox-x、"
       "dosbox-staging のどれも見つかりません。DOSBox をインストールしてください。",
       "none of dosbox, dosbox-x or dosbox-staging is on PATH"},
  };
  for (const Case& c : cases) {
    std::optional<testing::ScopedVariable> path;
    if (c.path) {
      path.emplace("PATH", *c.path);
    }
    testing::RecordingFeedback feedback;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(runBrmsx(c.state, services(feedback))) << c.what;
    const std::string reason = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(feedback.events, std::vector<std::string>{"box 情報: " + std::string(c.message)});
    EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    EXPECT_EQ(currentFolder->get(), root.at("listed"));
    EXPECT_FALSE(fs::exists(root.path() / "home" / "vorlent-dosbox"));
  }
}

// Nothing a path or a name holds reaches DOSBox's shell as a redirection, a pipe, a quote, a
// batch variable or a line end, and a path that names no regular file is never handed over as it
// stands: the start is refused with the box, and nothing on disk changes.
TEST_F(DosBoxStartTest, ArgumentsDosBoxsShellWouldReadAreRefused) {
  ASSERT_TRUE(onPath("dosbox")) << "the DOSBox tests need dosbox (scripts/install-deps.sh)";
  fs::create_directories(root.path() / "roms");
  ASSERT_EQ(::mkfifo(root.at("roms/g>PWNED.TXT").c_str(), 0600), 0);
  const std::string hostileRom = root.write("roms/h|x.rom", "ROMDATA!");
  const std::string quoteRom = root.write("roms/q\"x.rom", "ROMDATA!");
  fs::create_symlink("/dev/zero", root.path() / "roms" / "zero.rom");
  struct Case {
    std::string slot1;
    std::string refused;
  };
  const Case cases[] = {
      {root.at("roms/x>BRMSX.EXE"), root.at("roms/x>BRMSX.EXE")},  // a ROM deleted since
      {root.at("roms/g>PWNED.TXT"), root.at("roms/g>PWNED.TXT")},  // a FIFO
      {root.at("roms/zero.rom"), root.at("roms/zero.rom")},        // a device
      {root.at("roms"), root.at("roms")},                          // a folder
      {"A<B", "A<B"},
      {"%PATH%", "%PATH%"},
      {"a\"b>c", "a\"b>c"},
      {"x\ry", "x\ry"},
      {"x\ny", "x\ny"},
  };
  const std::string emulatorBytes = testing::fileText(emulator);
  for (const Case& c : cases) {
    LauncherState state;
    state.brmsxExePath = emulator.string();
    state.slots[0].path = c.slot1;
    state.slots[0].mapper = 7;
    testing::RecordingFeedback feedback;
    EXPECT_FALSE(runBrmsx(state, services(feedback))) << c.slot1;
    EXPECT_EQ(feedback.events,
              std::vector<std::string>{
                  "box 情報: \"brmsx.exe\" can not be carried out. (22)\n「" + c.refused +
                  "」は DOSBox に渡せません。存在するファイルを指していないか、DOSBox が読み替える"
                  "文字 (< > | \" % や改行) "
                  "を含んでいます。ファイルを入れ直すか、名前を変えてください。"})
        << c.slot1;
    EXPECT_EQ(currentFolder->get(), root.at("listed"));
  }
  // A hostile name of an existing file is staged under a DOS name of its own and so reaches the
  // program harmlessly.
  LauncherState staged;
  staged.brmsxExePath = emulator.string();
  staged.slots[0].path = hostileRom;
  staged.slots[0].mapper = 7;
  staged.slots[1].path = quoteRom;
  staged.slots[1].mapper = 7;
  testing::RecordingFeedback feedback;
  EXPECT_TRUE(runBrmsx(staged, services(feedback)));
  const fs::path output = emulator.parent_path() / "OUT.TXT";
  ASSERT_TRUE(testing::waitUntil([&] { return testing::fileText(output).ends_with("END"); }));
  EXPECT_EQ(testing::fileText(output),
            " -res 0 -roma 0 D:\\M1.ROM -romb 0 D:\\M2.ROM\r\nC:\\\r\nROMDATA!\r\nEND");
  EXPECT_EQ(testing::fileText(emulator), emulatorBytes);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(emulator.parent_path())) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"brmsx.exe", "OUT.TXT"}));
}

}  // namespace
}  // namespace vorlent
