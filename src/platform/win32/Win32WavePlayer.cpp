#include <mmsystem.h>
#include <windows.h>

#include "platform/WavePlayer.h"
#include "platform/win32/CodePage.h"

namespace vorlent {

namespace {

// sndPlaySoundA with SND_ASYNC returns at once, and a new sound stops the one playing.
class Win32WavePlayer final : public WavePlayer {
 public:
  bool playAsync(const std::string& path) override {
    return ::sndPlaySoundA(win32::ansi(path).c_str(), SND_ASYNC) != FALSE;
  }

  void stop() override { ::sndPlaySoundA(nullptr, 0); }
};

}  // namespace

std::unique_ptr<WavePlayer> makeWavePlayer(const std::string&) {
  return std::make_unique<Win32WavePlayer>();
}

}  // namespace vorlent
