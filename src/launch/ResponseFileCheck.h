// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "launch/LauncherState.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

// The response file check: writes the response file when allowed and returns the option text
// to show in a plain box, or nothing when nothing was written. A write failure is thrown as
// Failure, before anything is shown; so is a current folder that cannot be told (it was
// deleted), before anything is written.
std::optional<std::string> checkResponseFile(const LauncherState& state, FileSystem& files,
                                             const CurrentFolder& currentFolder, PathStyle style,
                                             const SystemTextCodec& systemText);

}  // namespace vorlent
