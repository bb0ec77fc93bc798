// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

namespace vorlent {

// Plays wave files without waiting for them to end; a new sound cuts off the one still playing.
class WavePlayer {
 public:
  virtual ~WavePlayer() = default;

  // False when the sound could not be handed to the system's player; how the playing goes is
  // not reported.
  virtual bool playAsync(const std::string& path) = 0;
  virtual void stop() = 0;

  // True when the system's player is handed every sound as it is, with nothing stopped before:
  // a new sound cuts off the one playing by itself, and a file that is missing or cannot be
  // played gives the system's default sound (Windows' sndPlaySound).
  virtual bool playsEverySoundItself() const { return false; }
};

}  // namespace vorlent
