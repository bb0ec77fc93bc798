// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/FileChanges.h"
#include "platform/SystemTextCodec.h"
#include "platform/win32/Win32FolderChooser.h"
#include "support/TempFolder.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

// A plain visible top-level window of this thread, destroyed with the object.
class TestWindow {
 public:
  TestWindow()
      : window_(::CreateWindowExA(0, "STATIC", "window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  100, 100, nullptr, nullptr, nullptr, nullptr)) {}
  ~TestWindow() { ::DestroyWindow(window_); }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND get() const { return window_; }

 private:
  HWND window_;
};

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
  char text[512] = {};
  ::GetWindowTextA(child, text, sizeof text);
  reinterpret_cast<std::vector<std::string>*>(texts)->push_back(text);
  return TRUE;
}

// What the chooser looked like while it was open.
struct Seen {
  bool opened = false;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  bool otherEnabled = true;
  std::vector<std::string> texts;
};

class Win32FolderChooserTest : public ::testing::Test {
 protected:
  // Opens the chooser and, once it is initialised, presses the button.
  std::optional<std::string> chooseAndPress(std::string_view prompt, std::string_view start,
                                            WPARAM button) {
    return win32::browseForFolder(owner.get(), prompt, start, [&](HWND chooser) {
      seen.opened = true;
      seen.owner = ::GetWindow(chooser, GW_OWNER);
      seen.ownerEnabled = ::IsWindowEnabled(owner.get()) != 0;
      seen.otherEnabled = ::IsWindowEnabled(other.get()) != 0;
      ::EnumChildWindows(chooser, &collectText, reinterpret_cast<LPARAM>(&seen.texts));
      ::PostMessageA(chooser, WM_COMMAND, button, 0);
    });
  }

  testing::TempFolder folder;
  TestWindow owner;
  TestWindow other;
  Seen seen;
};

TEST_F(Win32FolderChooserTest, OkReturnsTheStartFolderAndTheWindowsComeBack) {
  const struct {
    const char* name;
    bool needsShiftJis;
  } cases[] = {{"with blanks", false}, {testing::kJapaneseName.data(), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    const std::string start = folder.string() + "\\" + c.name;
    ASSERT_TRUE(makeFileChanges()->createFolders(start));

    // Early in a session Wine's chooser now and then takes the desktop folder instead, from a
    // step of its own after the start; a selection that is never made fails every attempt.
    std::optional<std::string> chosen;
    for (int attempt = 0; attempt < (testing::runningUnderWine() ? 3 : 1) && chosen != start;
         ++attempt) {
      seen = {};
      chosen = chooseAndPress("Choose a folder.", start, IDOK);
    }
    EXPECT_EQ(chosen, start);

    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.owner, owner.get());
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_FALSE(seen.otherEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.get()));
    EXPECT_TRUE(::IsWindowEnabled(other.get()));
  }
}

TEST_F(Win32FolderChooserTest, ShowsThePromptInTheCodePage) {
  VORLENT_NEED_SHIFT_JIS();
  const std::string prompt = "フォルダを選んでください";
  chooseAndPress(prompt, folder.string(), IDCANCEL);
  ASSERT_TRUE(seen.opened);
  EXPECT_NE(
      std::find(seen.texts.begin(), seen.texts.end(), makeSystemTextCodec()->toSystemText(prompt)),
      seen.texts.end());
}

TEST_F(Win32FolderChooserTest, CancelReturnsNothingAndTheWindowsComeBack) {
  const std::string cases[] = {folder.string(), folder.at("missing folder"),
                               folder.write("a file.txt"), ""};
  for (const std::string& start : cases) {
    SCOPED_TRACE(start);
    seen = {};
    EXPECT_EQ(chooseAndPress("Choose a folder.", start, IDCANCEL), std::nullopt);
    EXPECT_TRUE(seen.opened);
    EXPECT_FALSE(seen.otherEnabled);
    EXPECT_TRUE(::IsWindowEnabled(owner.get()));
    EXPECT_TRUE(::IsWindowEnabled(other.get()));
  }
}

}  // namespace
}  // namespace vorlent
