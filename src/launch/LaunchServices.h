// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

// What composing a launch needs of the system.
struct LaunchServices {
  CurrentFolder& currentFolder;
  FileSystem& files;
  PathStyle pathStyle;
  // What the response file is written in.
  const SystemTextCodec& systemText;
};

// Starts the composed command line; called while the emulator's folder is current.
using StartCommand = std::function<void(const std::string& commandLine)>;

}  // namespace vorlent
