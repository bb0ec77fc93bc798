// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32DesktopOpener.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

struct ShellCall {
  HWND owner;
  std::string verb;
  std::string file;
  std::optional<std::string> parameters;
  std::optional<std::string> folder;
  INT show;

  bool operator==(const ShellCall&) const = default;
};

// A file opens in the listed folder with an empty parameter text and the default show state;
// the home page and the mail link open with no parameters, no working folder and the normal
// show state. Every request is owned by the main window, and the texts go in the code page.
TEST(Win32DesktopOpenerTest, FilesAndAddressesGoToTheShellOwnedByTheWindow) {
  const auto owner = reinterpret_cast<HWND>(std::uintptr_t{0x1234});
  const std::string japanese(testing::kJapaneseName);
  const std::string japaneseBytes(testing::kJapaneseNameShiftJis);
  const struct {
    const char* what;
    bool address;
    std::string path;
    std::string workingFolder;
    bool needsShiftJis;
    ShellCall expected;
  } cases[] = {
      {"a file",
       false,
       "C:\\GAMES\\README.TXT",
       "C:\\GAMES",
       false,
       {owner, "open", "C:\\GAMES\\README.TXT", "", "C:\\GAMES", SW_SHOWDEFAULT}},
      {"a file in no folder",
       false,
       "README.TXT",
       "",
       false,
       {owner, "open", "README.TXT", "", std::nullopt, SW_SHOWDEFAULT}},
      {"a Japanese file",
       false,
       "C:\\" + japanese + "\\A.TXT",
       "C:\\" + japanese,
       true,
       {owner, "open", "C:\\" + japaneseBytes + "\\A.TXT", "", "C:\\" + japaneseBytes,
        SW_SHOWDEFAULT}},
      {"the home page",
       true,
       "http://www.example.org/msx/",
       "",
       false,
       {owner, "open", "http://www.example.org/msx/", std::nullopt, std::nullopt, SW_SHOWNORMAL}},
      {"the mail link",
       true,
       "mailto:someone@example.org",
       "",
       false,
       {owner, "open", "mailto:someone@example.org", std::nullopt, std::nullopt, SW_SHOWNORMAL}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    std::vector<ShellCall> calls;
    int ownerAsked = 0;
    const auto opener =
        win32::makeShellExecuteOpener([&](HWND window, const char* verb, const char* file,
                                          const char* parameters, const char* folder, INT show) {
          const auto text = [](const char* s) {
            return s != nullptr ? std::optional<std::string>(s) : std::nullopt;
          };
          calls.push_back({window, verb, file, text(parameters), text(folder), show});
        });
    opener->setOwnerWindow([&] {
      ++ownerAsked;
      return reinterpret_cast<std::uintptr_t>(owner);
    });
    if (c.address) {
      opener->openAddress(c.path);
    } else {
      opener->open(c.path, c.workingFolder);
    }
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], c.expected);
    EXPECT_EQ(ownerAsked, 1);
  }
}

// Without a window set, the requests have no owner.
TEST(Win32DesktopOpenerTest, WithoutAWindowTheRequestsHaveNoOwner) {
  std::vector<HWND> owners;
  const auto opener =
      win32::makeShellExecuteOpener([&](HWND window, const char*, const char*, const char*,
                                        const char*, INT) { owners.push_back(window); });
  opener->open("C:\\A.TXT", "C:\\");
  opener->openAddress("http://www.example.org/");
  EXPECT_EQ(owners, (std::vector<HWND>{nullptr, nullptr}));
}

}  // namespace
}  // namespace vorlent
