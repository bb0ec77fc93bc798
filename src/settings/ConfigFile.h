// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "platform/AtomicFile.h"
#include "platform/CurrentFolder.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/SystemTextCodec.h"
#include "settings/SettingsLocation.h"

namespace vorlent {

struct ConfigServices {
  FileSystem& files;
  CurrentFolder& currentFolder;
  AtomicFiles& atomicFiles;
  PathStyle pathStyle;
  // The file holds the system code page's bytes.
  const SystemTextCodec& systemText;
};

// The full name of the configuration file in a folder given with its trailing delimiter, as
// programFolder() gives it.
std::string configFilePathIn(std::string_view folderWithDelimiter);

// Where the program whose folder is given keeps its configuration file (chooseSettingsLocation).
SettingsLocation configFileLocation(std::string_view programFolderWithDelimiter,
                                    const FileSystem& files, const UserSettingsFolder& userFolder,
                                    ProgramPlacement placement = thisProgramPlacement());

// The most a configuration file may hold: its 100 short lines are far less.
inline constexpr std::size_t kConfigFileSizeLimit = std::size_t{4} << 20;

// The configuration file "Vorlent.ini". Neither operation sends anything to the user on
// success; a failure is thrown as Failure with the text of the general error report. Only a
// regular file is read or replaced: anything else of that name (a FIFO, a device, a link to
// one) is refused as a failure and left as it is, and so is a file over the size limit.
class ConfigFile {
 public:
  // Read and written at the one path, replaced whole on save.
  ConfigFile(std::string path, ConfigServices services);
  // The backup of a file that failed to load goes to the user's own folder where the file's
  // folder takes no new file.
  ConfigFile(SettingsLocation location, ConfigServices services,
             UserSettingsFolder userFolder = {});

  // Where it is written.
  const std::string& path() const { return location_.writePath; }
  const SettingsLocation& location() const { return location_; }

  // Reads the file over the state, if it exists. A failing line stops the load with the
  // lines before it applied; the file is then kept as it was under the backup name before the
  // next save, which would otherwise replace the lines never read.
  void LoadConfig(LauncherState& state, MediaPanelState& panel);

  // Replaces the file whole with the 100 lines, or leaves it as it was when the save fails; a
  // file whose folder takes no new file is rewritten in place instead, its room reserved first.
  // The file is locked while it is read for its backup and written. A file this user may not
  // write is refused as access denied, whatever its folder allows; a link that leads nowhere is
  // replaced itself.
  void SaveConfig(const LauncherState& state);

  std::string backupPath() const;

  // Whether the next save first copies the file to the backup name (beside it, or in the user's
  // folder where none can be made beside it; the save goes on where neither takes one).
  bool keepsBackupBeforeNextSave() const { return backupBeforeSave_; }

 private:
  bool keepBackup();
  bool backupLooksWhole(const std::string& place) const;
  void writeWhole(std::string_view target, std::string_view bytes);

  SettingsLocation location_;
  ConfigServices services_;
  UserSettingsFolder userFolder_;
  bool backupBeforeSave_ = false;
};

}  // namespace vorlent
