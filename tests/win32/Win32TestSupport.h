// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "platform/Failure.h"
#include "platform/FileSystem.h"

namespace vorlent::testing {

// Shift-JIS tests need the system code page 932. They are skipped on other systems, unless
// VORLENT_REQUIRE_SHIFT_JIS is set (the Wine run sets it with a Japanese locale), where they fail.
inline bool systemCodePageIsShiftJis() { return ::GetACP() == 932; }
inline bool shiftJisRequired() { return std::getenv("VORLENT_REQUIRE_SHIFT_JIS") != nullptr; }

#define VORLENT_NEED_SHIFT_JIS()                                               \
  do {                                                                         \
    if (!::vorlent::testing::systemCodePageIsShiftJis()) {                     \
      if (::vorlent::testing::shiftJisRequired()) {                            \
        FAIL() << "the system code page is " << ::GetACP() << ", not 932";     \
      }                                                                        \
      GTEST_SKIP() << "the system code page is " << ::GetACP() << ", not 932"; \
    }                                                                          \
  } while (false)

// "エミュ表" in UTF-8 and in Shift-JIS; the last character's second byte is 0x5C, a "\".
inline constexpr std::string_view kJapaneseName = "エミュ表";
inline constexpr std::string_view kJapaneseNameShiftJis = "\x83\x47\x83\x7e\x83\x85\x95\x5c";

// Whether the tests run under Wine rather than on Windows itself.
inline bool runningUnderWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The content of a file that a started process writes, once it is there; the process runs on
// its own, so the test waits for it up to a generous limit. A file that is there but cannot be
// read yet is still held by the rename that put it there.
inline std::optional<std::string> awaitFile(FileSystem& files, const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    try {
      if (files.fileExists(path)) {
        return files.readRegularFile(path, SIZE_MAX);
      }
    } catch (const Failure&) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

}  // namespace vorlent::testing
