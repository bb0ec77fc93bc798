// SPDX-License-Identifier: GPL-3.0-or-later
// vorlent-cli.exe started as cmd.exe starts it, with a wide command line, on paths whose
// characters end in the byte 0x5C ("\") in code page 932: "ソ" (83 5C) and "表" (95 5C). What it
// prints is compared byte for byte in the code page the output takes.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "feedback/Feedback.h"
#include "launch/EmulatorStart.h"
#include "platform/Failure.h"
#include "platform/FileChanges.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/Sha1Digester.h"
#include "platform/SystemTextCodec.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Handle.h"
#include "support/SoftwareDatabaseText.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

struct CliRun {
  std::string out;
  std::string err;
  DWORD status = 0xFFFFFFFF;
};

std::wstring wide(std::string_view utf8) { return win32::wideFromCodePage(utf8, CP_UTF8); }

void writeBytes(const std::string& path, std::string_view bytes) {
  const win32::Handle file(::CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file.valid()) << path;
  DWORD written = 0;
  ASSERT_NE(
      ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr),
      0);
}

std::string readBytes(const std::wstring& path) {
  const win32::Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (file.valid() && ::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) != 0 &&
         got > 0) {
    bytes.append(buffer, got);
  }
  return bytes;
}

// The 8.3 form of an existing path in the code page, as DOSBox is given it.
std::string shortSystemPath(const std::string& path) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = ::GetShortPathNameW(wide(path).c_str(), buffer, MAX_PATH);
  EXPECT_GT(length, 0u) << path;
  return win32::codePageFromWide(std::wstring_view(buffer, length), CP_ACP);
}

std::wstring wideQuoted(std::string_view utf8) { return L"\"" + wide(utf8) + L"\""; }

class CliJapanesePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    VORLENT_NEED_SHIFT_JIS();
    japanese = folder.string() + "\\ソフト表";
    ASSERT_TRUE(changes->createFolders(japanese)) << ::GetLastError() << " " << japanese;
    rom = japanese + "\\ゲーム表.rom";
    writeBytes(rom, "scc");
    emulator = japanese + "\\BRMSX.EXE";
    writeBytes(emulator, "MZ" + std::string(62, '\0'));
    database = japanese + "\\ソフト.xml";
    writeBytes(database,
               testing::softwareDatabaseText(
                   {{"Space War",
                     "Konami",
                     "1986",
                     "JP",
                     "MSX",
                     {{sha1Hex(makeSha1Digester()->digestOf("scc")), "KonamiSCC", true}}}}));
    config = japanese + "\\v.ini";
    writeBytes(config, configText());
    programFiles = folder.at("Program Files");
    ASSERT_TRUE(changes->createFolders(programFiles));
  }

  // Vorlent.ini in the code page: line 1 the Japanese folder, the brMSX executable on line 5
  // and slot 1 on lines 9 and 10; brMSX's interrupt frequency at 60 Hz, every other option at
  // its initial value.
  std::string configText() const {
    std::vector<std::string> lines(100, "0");
    lines[0] = japanese;
    for (int marker : {1, 3, 5, 7, 33, 57}) lines[static_cast<std::size_t>(marker)] = "[x]";
    lines[2] = lines[6] = "";
    lines[4] = emulator;
    lines[8] = rom;
    lines[9] = "9";
    lines[10] = "";
    lines[11] = "-1";
    for (int i = 12; i < 33; ++i) lines[static_cast<std::size_t>(i)] = "";
    lines[34] = "1";
    const int fmsx[] = {0, 100, 0, 1, 1, 1, 1, 0, 0, 0, 2, 1, 6, 10, 1, 0, 2, 0, 7, 0, 1};
    for (int i = 0; i < 21; ++i) lines[static_cast<std::size_t>(36 + i)] = std::to_string(fmsx[i]);
    const int brmsx[] = {1, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 45455, 0,
                         3, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,     0};
    for (int i = 0; i < 40; ++i) lines[static_cast<std::size_t>(60 + i)] = std::to_string(brmsx[i]);
    std::string bytes;
    for (const std::string& text : lines)
      bytes += makeSystemTextCodec()->toSystemText(text) + "\r\n";
    return bytes;
  }

  // Runs the companion with the wide command line, its standard output and error redirected to
  // files, and DOSBox looked for in the test's own program folder only.
  CliRun run(const std::wstring& arguments) {
    const std::wstring outPath = wide(output.at("out")), errPath = wide(output.at("err"));
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    CliRun result;
    {
      const win32::Handle out(::CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                            &inherited, CREATE_ALWAYS, 0, nullptr));
      const win32::Handle err(::CreateFileW(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                            &inherited, CREATE_ALWAYS, 0, nullptr));
      STARTUPINFOW startup{};
      startup.cb = sizeof startup;
      startup.dwFlags = STARTF_USESTDHANDLES;
      startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
      startup.hStdOutput = out.get();
      startup.hStdError = err.get();
      const std::wstring program = wide(VORLENT_CLI);
      std::wstring commandLine = L"\"" + program + L"\" " + arguments;
      PROCESS_INFORMATION process{};
      ::SetEnvironmentVariableW(L"ProgramFiles", wide(programFiles).c_str());
      ::SetEnvironmentVariableW(L"ProgramFiles(x86)", wide(programFiles).c_str());
      if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                           nullptr, &startup, &process) == 0) {
        ADD_FAILURE() << "vorlent-cli.exe did not start: " << ::GetLastError();
        return result;
      }
      const win32::Handle processHandle(process.hProcess);
      const win32::Handle threadHandle(process.hThread);
      EXPECT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
      ::GetExitCodeProcess(process.hProcess, &result.status);
    }
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
  }

  testing::TempFolder folder;
  testing::TempFolder output;
  std::unique_ptr<FileChanges> changes = makeFileChanges();
  std::unique_ptr<FileSystem> files = makeFileSystem();
  std::string japanese;
  std::string rom;
  std::string emulator;
  std::string database;
  std::string config;
  std::string programFiles;
};

TEST_F(CliJapanesePathTest, EverySubcommandTakesAndPrintsJapanesePaths) {
  const std::string hash = sha1Hex(makeSha1Digester()->digestOf("scc"));
  const struct {
    const char* what;
    std::wstring arguments;
    std::string out;
    std::string err;
    DWORD status;
  } cases[] = {
      {"command", L"command brmsx --config " + wideQuoted(config),
       "BRMSX.EXE -res 0 -roma 2 " + rom + " -ifreq 60\n", "", 0},
      {"options", L"options brmsx --config " + wideQuoted(config), " -ifreq 60\n", "", 0},
      {"a missing setup", L"options brmsx --config " + wideQuoted(japanese + "\\none.ini"), "",
       errorReportText(missingFileText(japanese + "\\none.ini")) + "\n", 1},
      {"identify", L"identify --database " + wideQuoted(database) + L" " + wideQuoted(rom),
       rom + "\t" + hash + "\tSpace War\tKonami\t1986\tKonamiSCC\t9\t9\n", "", 0},
      {"run without DOSBox", L"run brmsx --config " + wideQuoted(config), "",
       startFailureText("\"brmsx.exe\"", StartResult::noDosBox(
                                             2, {"dosbox.exe", "dosbox-x.exe"},
                                             {DosBoxPlace::PathFolders, DosBoxPlace::InstallRecords,
                                              DosBoxPlace::ProgramFilesFolders})) +
           "\n",
       1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CliRun result = run(c.arguments);
    EXPECT_EQ(result.out, makeSystemTextCodec()->toSystemText(c.out));
    EXPECT_EQ(result.err, makeSystemTextCodec()->toSystemText(c.err));
    EXPECT_EQ(result.status, c.status);
  }

  // With DOSBox where its installer puts it, the emulator starts from its folder's 8.3 path and
  // the ROM image from the staging folder, so that no Japanese byte reaches DOSBox's shell.
  const std::string dosBox = programFiles + "\\DOSBox-0.74-3\\DOSBox.exe";
  ASSERT_TRUE(changes->createFolders(programFiles + "\\DOSBox-0.74-3"));
  ASSERT_NE(::CopyFileW(wide(VORLENT_RECORDER).c_str(), wide(dosBox).c_str(), FALSE), 0);
  const std::string record = output.at("dosbox.txt");
  ::SetEnvironmentVariableW(L"VORLENT_RECORD_TO", wide(record).c_str());
  const CliRun started = run(L"run brmsx --config " + wideQuoted(config));
  EXPECT_EQ(started.status, 0u) << makeSystemTextCodec()->fromSystemText(started.err);
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  const std::string dosBoxLine = recorded->substr(0, recorded->find('\n'));
  const std::size_t mountAt = dosBoxLine.find("@mount d ") + 9;
  const std::string staging =
      dosBoxLine.substr(mountAt, dosBoxLine.find(" >nul", mountAt) - mountAt);
  EXPECT_EQ(dosBoxLine,
            "\"" + makeSystemTextCodec()->toSystemText(programFiles) +
                "\\DOSBox-0.74-3\\dosbox.exe\" -c \"@mount -u c >nul\" -c \"@mount c " +
                shortSystemPath(japanese) + " >nul\" -c \"@mount -u d >nul\" -c \"@mount d " +
                staging +
                " >nul\" -c \"@c:\" -c \"@BRMSX.EXE -res 0 -roma 2 D:\\M1.ROM -ifreq 60\" -c "
                "\"@if errorlevel 1 pause\" -c \"@exit\"");
  std::cout << "DOSBox was given: " << *recorded;

  // The file list's line of the ROM image (after "..", so never the first): its caption, then
  // after the icon and the size its full path.
  const CliRun listed = run(L"list " + wideQuoted(japanese) + L" --sort 0");
  EXPECT_EQ(listed.status, 0u) << listed.err;
  const std::string text = makeSystemTextCodec()->fromSystemText(listed.out);
  const std::size_t at = text.find("\nゲーム表.rom\t");
  ASSERT_NE(at, std::string::npos) << text;
  const std::string line = text.substr(at + 1, text.find('\n', at + 1) - at - 1);
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  ASSERT_EQ(fields.size(), 6u) << line;
  EXPECT_EQ(fields[0], "ゲーム表.rom");
  EXPECT_EQ(fields[3], rom);
}

}  // namespace
}  // namespace vorlent
