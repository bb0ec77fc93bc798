// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>

#include "platform/PathParts.h"
#include "platform/ProgramFolder.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

std::string programFolder() {
  const std::optional<std::string> program = readLink("/proc/self/exe");
  return program ? folderPartWithDelimiter(*program, PathStyle::Posix) : "./";
}

}  // namespace vorlent
