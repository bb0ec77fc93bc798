// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/SoundCuePlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <utility>

#include "ui/look/QtText.h"

namespace vorlent {

SoundCuePlayer::SoundCuePlayer(QString soundRoot, std::shared_ptr<WavePlayer> player,
                               std::function<void()> defaultSound)
    : soundRoot_(std::move(soundRoot)),
      player_(std::move(player)),
      defaultSound_(std::move(defaultSound)) {
  if (!defaultSound_) {
    defaultSound_ = [] { QApplication::beep(); };
  }
}

void SoundCuePlayer::play(std::string_view cueFileName) {
  const QString path = soundRoot_ + toQt(cueFileName);
  if (player_ && player_->playsEverySoundItself()) {
    currentSource_ = path;
    player_->playAsync(toCore(path));
    return;
  }
  if (player_) {
    player_->stop();
  }
  if (!QFileInfo(path).isFile()) {
    defaultSound_();
    return;
  }
  currentSource_ = path;
  if (!player_ || !player_->playAsync(toCore(path))) {
    defaultSound_();
  }
}

}  // namespace vorlent
