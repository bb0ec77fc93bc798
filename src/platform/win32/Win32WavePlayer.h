// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "platform/WavePlayer.h"

namespace vorlent::win32 {

// sndPlaySoundA's parameters: the wave file in the code page (nothing to stop the sound
// playing) and the flags.
using SndPlaySoundCall = std::function<BOOL(const char*, UINT)>;

// The player that hands every sound to `sndPlaySound` with SND_ASYNC alone: the call returns at
// once, a new sound stops the one playing, and a file that cannot be played gives the system's
// default sound.
std::unique_ptr<WavePlayer> makeSndPlaySoundPlayer(SndPlaySoundCall sndPlaySound);

// The player that hands the sounds to the system's own sndPlaySoundA.
std::unique_ptr<WavePlayer> makeSystemWavePlayer();

}  // namespace vorlent::win32
