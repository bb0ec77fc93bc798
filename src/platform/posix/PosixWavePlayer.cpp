#include <dlfcn.h>

#include <utility>

#include "platform/WavePlayer.h"

namespace vorlent {

namespace {

// The module's entry points, as src/sound/CueSoundModule.cpp exports them.
using OpenFunction = void* (*)();
using PlayFunction = int (*)(void*, const char*);
using StopFunction = void (*)(void*);
using CloseFunction = void (*)(void*);

class ModuleWavePlayer final : public WavePlayer {
 public:
  explicit ModuleWavePlayer(std::string modulePath) : modulePath_(std::move(modulePath)) {}
  ModuleWavePlayer(const ModuleWavePlayer&) = delete;
  ModuleWavePlayer& operator=(const ModuleWavePlayer&) = delete;

  ~ModuleWavePlayer() override {
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
  // Tried once. The module stays loaded until the process ends: the sound backend it loaded
  // keeps threads of its own.
  bool load() {
    if (!tried_) {
      tried_ = true;
      if (void* module = ::dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        const auto open = reinterpret_cast<OpenFunction>(::dlsym(module, "vorlent_sound_open"));
        play_ = reinterpret_cast<PlayFunction>(::dlsym(module, "vorlent_sound_play"));
        stop_ = reinterpret_cast<StopFunction>(::dlsym(module, "vorlent_sound_stop"));
        close_ = reinterpret_cast<CloseFunction>(::dlsym(module, "vorlent_sound_close"));
        if (open != nullptr && play_ != nullptr && stop_ != nullptr && close_ != nullptr) {
          player_ = open();
        }
      }
    }
    return player_ != nullptr;
  }

  std::string modulePath_;
  bool tried_ = false;
  void* player_ = nullptr;
  PlayFunction play_ = nullptr;
  StopFunction stop_ = nullptr;
  CloseFunction close_ = nullptr;
};

}  // namespace

std::unique_ptr<WavePlayer> makeWavePlayer(const std::string& programFolder) {
  return std::make_unique<ModuleWavePlayer>(programFolder + "libvorlent_sound.so");
}

}  // namespace vorlent
