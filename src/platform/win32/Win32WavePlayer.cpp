// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/Win32WavePlayer.h"

#include <mmsystem.h>

#include <utility>

#include "platform/win32/CodePage.h"

namespace vorlent {

namespace win32 {

namespace {

class SndPlaySoundPlayer final : public WavePlayer {
 public:
  explicit SndPlaySoundPlayer(SndPlaySoundCall sndPlaySound)
      : sndPlaySound_(std::move(sndPlaySound)) {}

  bool playAsync(const std::string& path) override {
    return sndPlaySound_(ansi(path).c_str(), SND_ASYNC) != FALSE;
  }

  void stop() override { sndPlaySound_(nullptr, 0); }

  bool playsEverySoundItself() const override { return true; }

 private:
  SndPlaySoundCall sndPlaySound_;
};

}  // namespace

std::unique_ptr<WavePlayer> makeSndPlaySoundPlayer(SndPlaySoundCall sndPlaySound) {
  return std::make_unique<SndPlaySoundPlayer>(std::move(sndPlaySound));
}

std::unique_ptr<WavePlayer> makeSystemWavePlayer() {
  return makeSndPlaySoundPlayer(
      [](const char* file, UINT flags) { return ::sndPlaySoundA(file, flags); });
}

}  // namespace win32

}  // namespace vorlent
