// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/Win32HelpViewer.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

struct HelpCall {
  HWND owner;
  std::string file;
  UINT command;
  ULONG_PTR data;
};

// The viewer is asked for the contents and index, once, whether the file is there or not: the
// viewer says itself that a file is missing.
TEST(Win32HelpViewerTest, AsksForTheFinderWithTheFileInTheCodePage) {
  const struct {
    std::string file;
    std::string bytes;
    bool needsShiftJis;
  } cases[] = {
      {"C:\\Program Files\\Vorlent\\VORLENT.HLP", "C:\\Program Files\\Vorlent\\VORLENT.HLP", false},
      {"C:\\missing\\VORLENT.HLP", "C:\\missing\\VORLENT.HLP", false},
      {"C:\\" + std::string(testing::kJapaneseName) + "\\VORLENT.HLP",
       "C:\\" + std::string(testing::kJapaneseNameShiftJis) + "\\VORLENT.HLP", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    std::vector<HelpCall> calls;
    const auto viewer =
        win32::makeWinHelpViewer([&](HWND owner, const char* file, UINT command, ULONG_PTR data) {
          calls.push_back({owner, file, command, data});
          return TRUE;
        });
    const auto owner = reinterpret_cast<HWND>(std::uintptr_t{0x1234});

    EXPECT_EQ(viewer->showContents(reinterpret_cast<std::uintptr_t>(owner), c.file),
              HelpShown::Shown);

    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, owner);
    EXPECT_EQ(calls[0].file, c.bytes);
    EXPECT_EQ(calls[0].command, 11u);
    EXPECT_EQ(calls[0].data, 0u);
  }
}

}  // namespace
}  // namespace vorlent
