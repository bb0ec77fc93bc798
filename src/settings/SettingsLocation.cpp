// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLocation.h"

namespace vorlent {

namespace {

std::string folderOf(std::string_view path, std::string_view fileName) {
  return std::string(path.substr(0, path.size() - fileName.size()));
}

}  // namespace

ProgramPlacement thisProgramPlacement() {
#ifdef VORLENT_INSTALLED
  return ProgramPlacement::Installed;
#else
  return ProgramPlacement::Portable;
#endif
}

SettingsLocation chooseSettingsLocation(std::string_view besidePath, std::string_view fileName,
                                        const FileSystem& files,
                                        const UserSettingsFolder& userFolder,
                                        ProgramPlacement placement) {
  const std::string beside(besidePath);
  if (placement == ProgramPlacement::Installed) {
    const std::optional<std::string> folder = userFolder ? userFolder() : std::nullopt;
    const std::string own = folder ? *folder + std::string(fileName) : std::string();
    return {own, own, false};
  }
  if (files.folderTakesNewFiles(folderOf(besidePath, fileName))) {
    return {beside, beside, false};
  }
  if (files.canRewrite(beside)) {
    return {beside, beside, true};
  }
  const std::optional<std::string> folder = userFolder ? userFolder() : std::nullopt;
  if (!folder) {
    return {beside, beside, false};
  }
  const std::string own = *folder + std::string(fileName);
  return {files.kindOf(own) == FileKind::Missing ? beside : own, own, false};
}

}  // namespace vorlent
