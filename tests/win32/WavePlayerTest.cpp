// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

// After windows.h, which it needs.
#include <mmsystem.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32WavePlayer.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

struct SoundCall {
  std::optional<std::string> file;
  UINT flags;
};

// Each sound goes to sndPlaySoundA in the code page with SND_ASYNC, so the call returns at once
// and cuts off the sound before; stopping passes no file.
TEST(Win32WavePlayerTest, PlaysAsynchronouslyWithTheFileInTheCodePage) {
  const struct {
    std::string file;
    std::string bytes;
    bool needsShiftJis;
    BOOL started;
  } cases[] = {
      {"C:\\Program Files\\Vorlent\\sound\\ok.wav", "C:\\Program Files\\Vorlent\\sound\\ok.wav",
       false, TRUE},
      {"C:\\sound\\broken.wav", "C:\\sound\\broken.wav", false, FALSE},
      {"C:\\" + std::string(testing::kJapaneseName) + "\\sound\\set.wav",
       "C:\\" + std::string(testing::kJapaneseNameShiftJis) + "\\sound\\set.wav", true, TRUE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.needsShiftJis && !testing::systemCodePageIsShiftJis()) {
      EXPECT_FALSE(testing::shiftJisRequired()) << "the system code page is " << ::GetACP();
      continue;
    }
    std::vector<SoundCall> calls;
    const auto player = win32::makeSndPlaySoundPlayer([&](const char* file, UINT flags) {
      calls.push_back({file != nullptr ? std::optional<std::string>(file) : std::nullopt, flags});
      return c.started;
    });

    // The cue player hands the system every cue as it is, with nothing stopped before.
    EXPECT_TRUE(player->playsEverySoundItself());
    EXPECT_EQ(player->playAsync(c.file), c.started != FALSE);
    player->stop();

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].file, c.bytes);
    EXPECT_EQ(calls[0].flags, static_cast<UINT>(SND_ASYNC));
    EXPECT_EQ(calls[1].file, std::nullopt);
  }
}

}  // namespace
}  // namespace vorlent
