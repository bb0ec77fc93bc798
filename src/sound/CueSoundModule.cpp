// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player module: loaded by the program at its first sound, so that the sound
// libraries are not loaded at start-up. One sound effect plays every file, so a new sound cuts
// off the one before.

#include <QFile>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#define VORLENT_SOUND_EXPORT extern "C" __attribute__((visibility("default")))

VORLENT_SOUND_EXPORT void* vorlent_sound_open() {
  auto* effect = new QSoundEffect();
  effect->setVolume(0.8f);
  return effect;
}

VORLENT_SOUND_EXPORT int vorlent_sound_play(void* player, const char* path) {
  auto* effect = static_cast<QSoundEffect*>(player);
  const QUrl source = QUrl::fromLocalFile(QFile::decodeName(path));
  if (effect->source() != source) {
    effect->setSource(source);
  }
  // The sound loads and plays in the background; like the system's asynchronous player, the
  // module reports only that it took the sound.
  effect->play();
  return 1;
}

VORLENT_SOUND_EXPORT void vorlent_sound_stop(void* player) {
  static_cast<QSoundEffect*>(player)->stop();
}

VORLENT_SOUND_EXPORT void vorlent_sound_close(void* player) {
  delete static_cast<QSoundEffect*>(player);
}
