// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/ProcessStarter.h"

namespace vorlent {

// What is wrong and what to do, for a failed start whose code alone does not say it; empty
// otherwise.
std::string startProblemExplanation(const StartResult& result);

// What to do when the emulator `program` was never located: its tab's "実行ファイル" button or
// the menu's folder chooser.
std::string unlocatedEmulatorExplanation(std::string_view program, std::string_view tabCaption);

}  // namespace vorlent
