// SPDX-License-Identifier: GPL-3.0-or-later
// The real process starter on its way to DOSBox: where Windows users have DOSBox, and what the
// start says when there is none, when the tail is too long and when a word is refused.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launch/EmulatorStart.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/ProcessStarter.h"
#include "platform/SystemTextCodec.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Win32DosBox.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

std::wstring wide(std::string_view utf8) { return win32::wideFromCodePage(utf8, CP_UTF8); }

// A registry key of the current user's that the test writes and removes again.
class ScopedUserKey {
 public:
  explicit ScopedUserKey(std::wstring path) : path_(std::move(path)) {}
  ~ScopedUserKey() { ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
  ScopedUserKey(const ScopedUserKey&) = delete;
  ScopedUserKey& operator=(const ScopedUserKey&) = delete;

  void set(const wchar_t* name, const std::string& utf8) const {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring value = wide(utf8);
    ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
  }

 private:
  std::wstring path_;
};

// An environment variable set for the test's time.
class ScopedVariable {
 public:
  ScopedVariable(const wchar_t* name, const std::string& utf8) : name_(name) {
    wchar_t old[32767];
    const DWORD length = ::GetEnvironmentVariableW(name, old, 32767);
    if (length > 0 && length < 32767) {
      old_ = std::wstring(old, length);
    }
    ::SetEnvironmentVariableW(name, wide(utf8).c_str());
  }
  ~ScopedVariable() { ::SetEnvironmentVariableW(name_, old_ ? old_->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const wchar_t* name_;
  std::optional<std::wstring> old_;
};

// DOSBox-X installs into C:\DOSBox-X and DOSBox elsewhere at the user's choice: the places its
// installers record find it, and an uninstall entry of another program is not taken.
TEST(Win32DosBoxSearchTest, TheInstallersRecordsFindDosBoxOutsideTheProgramFolders) {
  const testing::TempFolder folder;
  const std::string dosBoxX = folder.write("DOSBox-X\\dosbox-x.exe", "x");
  folder.write("Other\\dosbox.exe", "x");
  const std::string appPath = folder.write("elsewhere\\DOSBox.exe", "x");
  const std::wstring windows = L"Software\\Microsoft\\Windows\\CurrentVersion\\";
  const ScopedUserKey dosBoxEntry(windows + L"Uninstall\\VorlentTest DOSBox-X_is1");
  dosBoxEntry.set(L"DisplayName", "DOSBox-X 2024.03.01 (64-bit)");
  dosBoxEntry.set(L"InstallLocation", folder.at("DOSBox-X"));
  const ScopedUserKey otherEntry(windows + L"Uninstall\\VorlentTest Other");
  otherEntry.set(L"DisplayName", "Other Program");
  otherEntry.set(L"InstallLocation", folder.at("Other"));

  std::vector<std::string> places = win32::recordedDosBoxPlaces();
  EXPECT_NE(std::find(places.begin(), places.end(), folder.at("DOSBox-X")), places.end());
  EXPECT_EQ(std::find(places.begin(), places.end(), folder.at("Other")), places.end());
  EXPECT_EQ(win32::findDosBoxIn("", {}, places), dosBoxX);

  const ScopedUserKey appPathEntry(windows + L"App Paths\\dosbox.exe");
  appPathEntry.set(nullptr, "\"" + appPath + "\"");
  places = win32::recordedDosBoxPlaces();
  ASSERT_FALSE(places.empty());
  EXPECT_EQ(places.front(), appPath);
  EXPECT_EQ(win32::findDosBoxIn("", {}, places), appPath);
}

// brMSX, an MS-DOS program, started as F5 starts it: DOSBox is found in a "DOSBox..." folder of
// the program folders and given the command; without DOSBox, with a tail of 127 bytes or with a
// word DOSBox's shell would read, nothing starts and the box says why.
TEST(Win32DosBoxStartTest, TheRealStarterRunsBrmsxInDosBoxOrSaysWhyNot) {
  const testing::TempFolder folder;
  const std::string programFiles = folder.at("Program Files");
  const std::string dosBox = folder.write("Program Files\\DOSBox-0.74-3\\DOSBox.exe");
  ASSERT_NE(::CopyFileW(wide(VORLENT_RECORDER).c_str(), wide(dosBox).c_str(), FALSE), 0);
  const std::string noPrograms = folder.at("No Programs");
  folder.write("No Programs\\readme.txt");
  folder.write("emu dir\\BRMSX.EXE", "MZ" + std::string(62, '\0'));
  const std::string rom = folder.write("my roms\\GAME.ROM", "rom");
  const std::string record = folder.at("record.txt");
  const ScopedVariable recordTo(L"VORLENT_RECORD_TO", record);
  const ScopedVariable path(L"PATH", noPrograms);
  const auto files = makeFileSystem();
  const auto currentFolder = makeCurrentFolder();
  const CurrentFolderScope inEmulatorFolder(*currentFolder, folder.at("emu dir"));

  const struct {
    const char* what;
    std::string programFolder;
    std::string commandLine;
    std::string shown;
  } cases[] = {
      {"no DOSBox", noPrograms, "BRMSX.EXE -res 0",
       "\"brmsx.exe\" can not be carried out. (2)\n"
       "MS-DOS のプログラムは DOSBox の中で動きますが、検索パス (PATH)、インストーラの記録 "
       "(レジストリ)、Program Files の DOSBox で始まるフォルダ に dosbox.exe、dosbox-x.exe "
       "のどれも見つかりません。DOSBox をインストールしてください。"},
      {"a tail of 127 bytes", programFiles, "BRMSX.EXE " + std::string(126, 'a'),
       "\"brmsx.exe\" can not be carried out. (206)\n"
       "MS-DOS に渡すコマンドラインが 127 文字になります。MS-DOS がプログラムに渡せるのは 126 "
       "文字までです。オプションかメディアを減らしてください。"},
      {"a refused word", programFiles, "BRMSX.EXE x>y",
       "\"brmsx.exe\" can not be carried out. (123)\n"
       "「x>y」は DOSBox に渡せません。存在するファイルを指していないか、DOSBox が読み替える文字 "
       "(< > | \" % や改行) を含んでいます。ファイルを入れ直すか、名前を変えてください。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ScopedVariable programs(L"ProgramFiles", c.programFolder);
    const ScopedVariable programs32(L"ProgramFiles(x86)", c.programFolder);
    const StartResult result = makeProcessStarter()->startCommandLine(c.commandLine);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(startFailureText("\"brmsx.exe\"", result), c.shown);
  }
  EXPECT_FALSE(files->fileExists(record));

  // The launcher holds the ROM image by its 8.3 path, as it was inserted.
  const std::string emulatorFolder = makeSystemTextCodec()->toSystemText(folder.at("emu dir"));
  char romPath[MAX_PATH] = {};
  ::GetShortPathNameA(makeSystemTextCodec()->toSystemText(rom).c_str(), romPath, MAX_PATH);
  const std::string romFolder(romPath, std::string_view(romPath).rfind('\\'));
  const ScopedVariable programs(L"ProgramFiles", programFiles);
  const StartResult result = makeProcessStarter()->startCommandLine(
      "BRMSX.EXE -res 0 -roma 2 " + makeSystemTextCodec()->fromSystemText(romPath));
  ASSERT_TRUE(result.started) << result.errorCode;
  const std::optional<std::string> recorded = testing::awaitFile(*files, record);
  ASSERT_TRUE(recorded.has_value());
  EXPECT_EQ(recorded->substr(0, recorded->find('\n')),
            "\"" + makeSystemTextCodec()->toSystemText(programFiles) +
                "\\DOSBox-0.74-3\\dosbox.exe\" -c \"@mount -u c >nul\" -c \"@mount c \\\"" +
                emulatorFolder + "\\\" >nul\" -c \"@mount -u d >nul\" -c \"@mount d " + romFolder +
                " >nul\" -c \"@c:\" -c \"@BRMSX.EXE -res 0 -roma 2 D:\\GAME.ROM\" -c \"@if "
                "errorlevel 1 pause\" -c \"@exit\"");
}

}  // namespace
}  // namespace vorlent
