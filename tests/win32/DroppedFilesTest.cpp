// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/DroppedFiles.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

// A drop as the shell hands it over: a DROPFILES header, then each name in the code page with
// its NUL, then one more NUL, in movable global memory.
class ShellDrop {
 public:
  explicit ShellDrop(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
      list += name;
      list += '\0';
    }
    list += '\0';
    memory_ = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* bytes = static_cast<char*>(::GlobalLock(memory_));
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = FALSE;
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, list.data(), list.size());
    ::GlobalUnlock(memory_);
  }
  ~ShellDrop() { ::GlobalFree(memory_); }
  ShellDrop(const ShellDrop&) = delete;
  ShellDrop& operator=(const ShellDrop&) = delete;

  HDROP get() const { return static_cast<HDROP>(memory_); }

 private:
  HGLOBAL memory_;
};

TEST(Win32DroppedFilesTest, GivesEveryNameInOrderAsUtf8) {
  const std::string japanese(testing::kJapaneseName);
  const std::string japaneseBytes(testing::kJapaneseNameShiftJis);
  const std::string longName = "C:\\" + std::string(300, 'x') + ".dsk";
  const struct {
    const char* what;
    std::vector<std::string> names;
    std::vector<std::string> paths;
    bool needsShiftJis;
  } cases[] = {
      {"one file with blanks", {"C:\\My Games\\GAME 1.ROM"}, {"C:\\My Games\\GAME 1.ROM"}, false},
      {"longer than a path buffer", {longName}, {longName}, false},
      {"Japanese names, a trail byte 0x5C among them",
       {"C:\\" + japaneseBytes + "\\" + japaneseBytes + ".dsk", "C:\\" + japaneseBytes,
        "D:\\plain.cas"},
       {"C:\\" + japanese + "\\" + japanese + ".dsk", "C:\\" + japanese, "D:\\plain.cas"},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    const ShellDrop drop(c.names);
    EXPECT_EQ(win32::droppedPaths(drop.get()), c.paths);
  }
}

}  // namespace
}  // namespace vorlent
