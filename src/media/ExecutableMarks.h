#pragma once

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/FileSystem.h"

namespace vorlent {

// Marks the button of each executable whose path names an existing file; a mark is never
// taken back.
void markKnownExecutables(const LauncherState& state, MediaPanelState& panel,
                          const FileSystem& files);

}  // namespace vorlent
