// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Drives.h"

namespace vorlent {

// One line of a mount table ("/proc/self/mounts" or "/etc/mtab"), escapes decoded.
struct MountEntry {
  std::string source;
  std::string mountPoint;
  std::string fileSystemType;

  bool operator==(const MountEntry&) const = default;
};

// The entries of a mount table text; lines of fewer than three fields are skipped. The octal
// escapes of blanks, tabs, newlines and backslashes ("\040") are decoded.
std::vector<MountEntry> parseMountTable(std::string_view text);

// The drive type of a mounted file system a user browses, or nothing for pseudo, container and
// system file systems. deviceIsRemovable tells whether the source's block device is removable.
std::optional<DriveType> browsableDriveType(const MountEntry& entry, bool deviceIsRemovable);

// The drives for a mount table, in a stable order: the root first, then the other mount points in
// the order they were mounted, so a newly mounted medium never moves the letters of the others. A
// mount point mounted over keeps its place and takes the type of the file system on top. At most
// 26, lettered from 'a'.
std::vector<Drive> drivesFromMounts(const std::vector<MountEntry>& mounts,
                                    const std::function<bool(const MountEntry&)>& isRemovable);

}  // namespace vorlent
