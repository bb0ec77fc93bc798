// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/WavePlayer.h"

namespace vorlent {

// Plays the wave files of the sound cues asynchronously, a new cue cutting off the one still
// playing. A cue whose file is missing, or that cannot be played, gives the platform's default
// sound and no report; a system player that does all of that itself is handed every cue as it
// is.
class SoundCuePlayer {
 public:
  // soundRoot is the folder the cue names are relative to, ending in "/".
  SoundCuePlayer(QString soundRoot, std::shared_ptr<WavePlayer> player,
                 std::function<void()> defaultSound = {});

  void play(std::string_view cueFileName);

  // The file of the last cue that was played, for inspection.
  QString currentSource() const { return currentSource_; }

 private:
  QString soundRoot_;
  std::shared_ptr<WavePlayer> player_;
  std::function<void()> defaultSound_;
  QString currentSource_;
};

}  // namespace vorlent
