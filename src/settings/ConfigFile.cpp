// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ConfigFile.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "platform/Failure.h"
#include "settings/ConfigLayout.h"
#include "settings/ConfigText.h"

namespace vorlent {

namespace {

// Whether the bytes hold every line of the layout, the last one ended: a file cut short by a
// disk that filled during a rewrite does not.
bool looksWhole(std::string_view bytes) {
  return !bytes.empty() && bytes.back() == '\n' &&
         std::count(bytes.begin(), bytes.end(), '\n') >= kConfigLineCount;
}

}  // namespace

std::string configFilePathIn(std::string_view folderWithDelimiter) {
  return std::string(folderWithDelimiter) + std::string(kConfigFileName);
}

SettingsLocation configFileLocation(std::string_view programFolderWithDelimiter,
                                    const FileSystem& files, const UserSettingsFolder& userFolder,
                                    ProgramPlacement placement) {
  return chooseSettingsLocation(configFilePathIn(programFolderWithDelimiter), kConfigFileName,
                                files, userFolder, placement);
}

ConfigFile::ConfigFile(std::string path, ConfigServices services)
    : ConfigFile(SettingsLocation{path, path, false}, services) {}

ConfigFile::ConfigFile(SettingsLocation location, ConfigServices services,
                       UserSettingsFolder userFolder)
    : location_(std::move(location)), services_(services), userFolder_(std::move(userFolder)) {}

std::string ConfigFile::backupPath() const {
  return location_.writePath + std::string(kConfigBackupSuffix);
}

void ConfigFile::LoadConfig(LauncherState& state, MediaPanelState& panel) {
  const std::string& path = location_.readPath;
  const FileKind kind = services_.files.kindOf(path);
  if (kind == FileKind::Missing || kind == FileKind::Folder) {
    return;
  }
  // Set before reading, so that a file that cannot even be read is kept too; a file read only
  // as the starting point of another is never replaced, so it needs no backup.
  backupBeforeSave_ = path == location_.writePath;
  const std::string text = services_.systemText.fromSystemText(
      services_.files.readRegularFile(path, kConfigFileSizeLimit));
  applyConfigText(text, state, panel,
                  {services_.files, services_.currentFolder, services_.pathStyle});
  backupBeforeSave_ = false;
}

void ConfigFile::SaveConfig(const LauncherState& state) {
  const std::string& path = location_.writePath;
  const std::string text = configFileText(state, services_.currentFolder.get());
  // Held from the backup's reading to the end of the write, so that two instances closing
  // together save one after the other.
  const std::unique_ptr<FileLock> lock = services_.files.lockFile(path);
  const FileKind kind = services_.files.kindOf(path);
  if (kind == FileKind::Other) {
    throw Failure(notARegularFileText(path));
  }
  if (backupBeforeSave_ && kind == FileKind::Regular && keepBackup()) {
    backupBeforeSave_ = false;
  }
  if (location_.inPlace && kind == FileKind::Regular) {
    // Once the file is being rewritten, a later backup would keep a cut-short rewrite of it.
    backupBeforeSave_ = false;
    services_.files.rewriteInPlace(path, services_.systemText.toSystemText(text));
  } else {
    writeWhole(path, services_.systemText.toSystemText(text));
  }
  backupBeforeSave_ = false;
}

// Beside the file, or in the user's own folder where the file's folder takes no new file (a
// folder of the program's that the user may not write, a full disk). Where neither takes it, the
// save goes on without it: the file is rewritten all the same, as it would be without any
// backup, rather than every later save failing. Whether it was made.
bool ConfigFile::keepBackup() {
  // A file that cannot be read whole (over the size limit, say) is refused as before.
  const std::string bytes =
      services_.files.readRegularFile(location_.writePath, kConfigFileSizeLimit);
  const auto keptAt = [&](const std::string& place) {
    if (!looksWhole(bytes) && backupLooksWhole(place)) {
      // A cut file never replaces a whole backup; the whole one is kept instead.
      return true;
    }
    try {
      writeWhole(place, bytes);
      return true;
    } catch (const Failure&) {
      return false;
    }
  };
  if (keptAt(backupPath())) {
    return true;
  }
  // Asked for only now: asking makes the folder.
  const std::optional<std::string> userFolder = userFolder_ ? userFolder_() : std::nullopt;
  if (!userFolder) {
    return false;
  }
  const std::string inUserFolder =
      *userFolder + std::string(kConfigFileName) + std::string(kConfigBackupSuffix);
  return inUserFolder != backupPath() && keptAt(inUserFolder);
}

bool ConfigFile::backupLooksWhole(const std::string& place) const {
  try {
    return services_.files.kindOf(place) == FileKind::Regular &&
           looksWhole(services_.files.readRegularFile(place, kConfigFileSizeLimit));
  } catch (const Failure&) {
    return false;
  }
}

void ConfigFile::writeWhole(std::string_view target, std::string_view bytes) {
  const auto file = services_.atomicFiles.create(target);
  file->write(bytes);
  file->commit();
}

}  // namespace vorlent
