#include "ui/SoundCuePlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <utility>

#include "ui/QtText.h"

namespace vorlent {

SoundCuePlayer::SoundCuePlayer(QString soundRoot, std::function<void()> defaultSound)
    : soundRoot_(std::move(soundRoot)), defaultSound_(std::move(defaultSound)) {
  if (!defaultSound_) {
    defaultSound_ = [] { QApplication::beep(); };
  }
}

void SoundCuePlayer::play(std::string_view cueFileName) {
  const QString path = soundRoot_ + toQt(cueFileName);
  if (effect_) {
    effect_->stop();
  }
  if (!QFileInfo(path).isFile()) {
    defaultSound_();
    return;
  }
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setVolume(0.8f);
  }
  const QUrl source = QUrl::fromLocalFile(path);
  if (effect_->source() != source) {
    effect_->setSource(source);
  }
  effect_->play();
}

}  // namespace vorlent
