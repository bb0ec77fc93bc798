#pragma once

#include <string>
#include <string_view>

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"

namespace vorlent {

struct ConfigEnvironment {
  FileSystem& files;
  CurrentFolder& currentFolder;
  AtomicFiles& atomicFiles;
  PathStyle pathStyle;
};

// The full name of the configuration file in a folder given with its trailing delimiter, as
// programFolder() gives it.
std::string configFilePathIn(std::string_view folderWithDelimiter);

// The configuration file "Vorlent.ini". Neither operation sends anything to the user on
// success; a failure is thrown as Failure with the text of the general error report.
class ConfigFile {
 public:
  ConfigFile(std::string path, ConfigEnvironment environment);

  const std::string& path() const { return path_; }

  // Reads the file over the state, if it exists. A failing line stops the load with the
  // lines before it applied; the file is then kept as it was under the backup name before the
  // next save, which would otherwise replace the lines never read.
  void LoadConfig(LauncherState& state, MediaPanelState& panel);

  // Replaces the file whole with the 100 lines, or leaves it as it was when the save fails.
  void SaveConfig(const LauncherState& state);

  std::string backupPath() const;

  // Whether the next save first copies the file to the backup name.
  bool keepsBackupBeforeNextSave() const { return backupBeforeSave_; }

 private:
  void writeWhole(std::string_view target, std::string_view bytes);

  std::string path_;
  ConfigEnvironment environment_;
  bool backupBeforeSave_ = false;
};

}  // namespace vorlent
