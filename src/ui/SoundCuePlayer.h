#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <string_view>

namespace vorlent {

// Plays the wave files of the sound cues asynchronously through one sound effect, so a new cue
// cuts off the one still playing. A cue whose file is missing gives the platform's default
// sound and no report.
class SoundCuePlayer {
 public:
  // soundRoot is the folder the cue names are relative to, ending in "/".
  explicit SoundCuePlayer(QString soundRoot, std::function<void()> defaultSound = {});

  void play(std::string_view cueFileName);

  // The file of the last cue that was found, for inspection.
  QUrl currentSource() const { return effect_ ? effect_->source() : QUrl(); }

 private:
  QString soundRoot_;
  std::function<void()> defaultSound_;
  // Made at the first cue: loading the sound backend costs more than the rest of the start.
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace vorlent
