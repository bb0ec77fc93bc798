#include "settings/ConfigFile.h"

#include "platform/SystemText.h"
#include "settings/ConfigLayout.h"
#include "settings/ConfigText.h"

namespace vorlent {

std::string configFilePathIn(std::string_view folderWithDelimiter) {
  return std::string(folderWithDelimiter) + std::string(kConfigFileName);
}

ConfigFile::ConfigFile(std::string path, ConfigEnvironment environment)
    : path_(std::move(path)), environment_(environment) {}

std::string ConfigFile::backupPath() const { return path_ + std::string(kConfigBackupSuffix); }

void ConfigFile::LoadConfig(LauncherState& state, MediaPanelState& panel) {
  if (!environment_.files.fileExists(path_)) {
    return;
  }
  // Set before reading, so that a file that cannot even be read is kept too.
  backupBeforeSave_ = true;
  // The file holds the system code page's bytes.
  const std::string text = fromSystemText(environment_.files.readFile(path_));
  applyConfigText(text, state, panel,
                  {environment_.files, environment_.currentFolder, environment_.pathStyle});
  backupBeforeSave_ = false;
}

void ConfigFile::SaveConfig(const LauncherState& state) {
  const std::string text = configFileText(state, environment_.currentFolder.get());
  if (backupBeforeSave_ && environment_.files.fileExists(path_)) {
    writeWhole(backupPath(), environment_.files.readFile(path_));
  }
  writeWhole(path_, toSystemText(text));
  backupBeforeSave_ = false;
}

void ConfigFile::writeWhole(std::string_view target, std::string_view bytes) {
  const auto file = environment_.atomicFiles.create(target);
  file->write(bytes);
  file->commit();
}

}  // namespace vorlent
