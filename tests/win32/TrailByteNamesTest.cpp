// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <dlgs.h>

#include "platform/CurrentFolder.h"
#include "platform/FileChanges.h"
#include "platform/FileChooser.h"
#include "platform/FileNameMatcher.h"
#include "platform/FileSystem.h"
#include "platform/FolderEnumerator.h"
#include "platform/ShortPaths.h"
#include "platform/win32/CodePage.h"
#include "platform/win32/Win32ProcessStarter.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

// Types `names` into the next file dialog and confirms it, from a timer that fires inside the
// dialog's own modal loop.
void answerFileDialog(const wchar_t* names) {
  static const wchar_t* typed = nullptr;
  typed = names;
  ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = ::FindWindowW(L"#32770", nullptr);
    if (dialog != nullptr && ::IsWindowVisible(dialog) &&
        (::SetDlgItemTextW(dialog, cmb13, typed) != 0 ||
         ::SetDlgItemTextW(dialog, edt1, typed) != 0)) {
      ::KillTimer(nullptr, timer);
      ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
  });
}

// Folders whose names end in a character whose second Shift-JIS byte is a "\" (0x5C) or a "|"
// (0x7C), through every path function that splits, joins or ends a path.
TEST(Win32TrailByteNamesTest, EveryPathFunctionTakesTheNameWhole) {
  VORLENT_NEED_SHIFT_JIS();
  const auto files = makeFileSystem();
  const std::string before = makeCurrentFolder()->get();
  for (const std::string name : {"ソフト表", "ソ", "機能", "十", "ポ", "竹"}) {
    SCOPED_TRACE(name);
    const testing::TempFolder temp;
    const std::string folder = temp.string() + "\\" + name, file = folder + "\\" + name + ".exe";
    ASSERT_TRUE(makeFileChanges()->createFolders(folder + "\\" + name));
    ASSERT_NE(::CopyFileA(VORLENT_RECORDER, win32::ansi(file).c_str(), FALSE), 0);
    files->writeFile(folder + "\\a.bin", "a");
    files->writeFile(folder + "\\b.bin", "b");
    EXPECT_TRUE(files->folderTakesNewFiles(folder));
    const auto listed = makeFolderEnumerator()->enumerate(folder + "\\" + name + "\\..");
    EXPECT_EQ(listed ? listed->folderPath : "", folder);
    EXPECT_EQ(makeFileNameMatcher()->existingFile(file), file);
    EXPECT_TRUE(makeCurrentFolder()->set(folder));
    EXPECT_EQ(makeCurrentFolder()->get(), folder);
    makeCurrentFolder()->set(before);
    const std::optional<std::string> shortFile = makeShortPaths()->shortForm(file);
    EXPECT_TRUE(shortFile && files->fileExists(*shortFile)) << shortFile.value_or("none");
    answerFileDialog(L"\"a.bin\" \"b.bin\"");
    EXPECT_EQ(makeFileChooser()->chooseToOpen(0, folder),
              (std::vector<std::string>{folder + "\\a.bin", folder + "\\b.bin"}));
    answerFileDialog(L"c.bin");
    EXPECT_EQ(makeFileChooser()->chooseToSave(0, folder), folder + "\\c.bin");
    std::vector<std::string> started;
    const auto starter = win32::makeWin32ProcessStarter(
        [&](const char*, std::string line, HANDLE) {
          started.push_back(line);
          return StartResult::success();
        },
        [] { return std::nullopt; }, false);
    starter->startProgram(file);
    starter->startCommandLine(file + " -x");
    EXPECT_EQ(started, (std::vector<std::string>{"\"" + win32::ansi(file) + "\"",
                                                 win32::ansi(file + " -x")}));
  }
}

}  // namespace
}  // namespace vorlent
