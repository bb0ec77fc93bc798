#pragma once

#include <optional>
#include <string>

#include "launch/LauncherState.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace vorlent {

// The response file check: writes the response file when allowed and returns the option text
// to show in a plain box, or nothing when nothing was written. A write failure is thrown as
// Failure, before anything is shown.
std::optional<std::string> checkResponseFile(const LauncherState& state, FileSystem& files,
                                             PathStyle style);

}  // namespace vorlent
