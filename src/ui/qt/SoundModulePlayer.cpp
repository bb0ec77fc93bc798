// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/SoundModulePlayer.h"

#include <QLibrary>
#include <utility>

#include "ui/look/QtText.h"

namespace vorlent {

namespace {

// The module's entry points, as src/sound/CueSoundModule.cpp exports them.
using OpenFunction = void* (*)();
using PlayFunction = int (*)(void*, const char*);
using StopFunction = void (*)(void*);
using CloseFunction = void (*)(void*);

class SoundModulePlayer final : public WavePlayer {
 public:
  explicit SoundModulePlayer(QString modulePath) : module_(std::move(modulePath)) {
    module_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
  }
  SoundModulePlayer(const SoundModulePlayer&) = delete;
  SoundModulePlayer& operator=(const SoundModulePlayer&) = delete;

  ~SoundModulePlayer() override {
    if (player_ != nullptr) {
      close_(player_);
    }
  }

  bool playAsync(const std::string& path) override {
    return load() && play_(player_, path.c_str()) != 0;
  }

  void stop() override {
    if (player_ != nullptr) {
      stop_(player_);
    }
  }

 private:
  // Tried once. The module stays loaded until the process ends (QLibrary never unloads it by
  // itself): the sound backend it loaded keeps threads of its own.
  bool load() {
    if (!tried_) {
      tried_ = true;
      if (module_.load()) {
        const auto open = reinterpret_cast<OpenFunction>(module_.resolve("vorlent_sound_open"));
        play_ = reinterpret_cast<PlayFunction>(module_.resolve("vorlent_sound_play"));
        stop_ = reinterpret_cast<StopFunction>(module_.resolve("vorlent_sound_stop"));
        close_ = reinterpret_cast<CloseFunction>(module_.resolve("vorlent_sound_close"));
        if (open != nullptr && play_ != nullptr && stop_ != nullptr && close_ != nullptr) {
          player_ = open();
        }
      }
    }
    return player_ != nullptr;
  }

  QLibrary module_;
  bool tried_ = false;
  void* player_ = nullptr;
  PlayFunction play_ = nullptr;
  StopFunction stop_ = nullptr;
  CloseFunction close_ = nullptr;
};

}  // namespace

std::unique_ptr<WavePlayer> makeSoundModulePlayer(const std::string& programFolder) {
  return std::make_unique<SoundModulePlayer>(toQt(programFolder + "libvorlent_sound.so"));
}

}  // namespace vorlent
