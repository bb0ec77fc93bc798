// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "platform/WavePlayer.h"

namespace vorlent {

// The player of the systems that do not play wave files themselves: the sound module beside the
// program, libvorlent_sound.so in programFolder, loaded at the first sound, since the sound
// libraries cost more to load than the rest of the start-up. Without the module nothing can be
// played.
std::unique_ptr<WavePlayer> makeSoundModulePlayer(const std::string& programFolder);

}  // namespace vorlent
