// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/ResponseFileCheck.h"

#include "launch/FmsxCommand.h"

namespace vorlent {

std::optional<std::string> checkResponseFile(const LauncherState& state, FileSystem& files,
                                             const CurrentFolder& currentFolder, PathStyle style,
                                             const SystemTextCodec& systemText) {
  currentFolderOrFailure(currentFolder);
  if (!writeResponseFile(state, files, style, systemText)) {
    return std::nullopt;
  }
  return fmsxOptionText(state.fmsxOptions);
}

}  // namespace vorlent
