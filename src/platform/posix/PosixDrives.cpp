// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "platform/Drives.h"
#include "platform/MountTable.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string resolvedPath(const std::string& path) { return realPath(path).value_or(std::string()); }

// The removable flag of the block device a mount source names: the device's own for a whole
// disk, its disk's for a partition.
bool blockDeviceIsRemovable(const MountEntry& entry) {
  if (!entry.source.starts_with("/dev/")) {
    return false;
  }
  const std::string device = resolvedPath(entry.source);
  if (device.empty()) {
    return false;
  }
  const std::string name = device.substr(device.find_last_of('/') + 1);
  const std::string sysfs = resolvedPath("/sys/class/block/" + name);
  if (sysfs.empty()) {
    return false;
  }
  for (const std::string& flag : {sysfs + "/removable", sysfs + "/../removable"}) {
    const std::string value = readWholeFile(flag);
    if (!value.empty()) {
      return value.front() == '1';
    }
  }
  return false;
}

bool isFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::int64_t byteCount(unsigned long long blocks, unsigned long long blockSize) {
  constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
  if (blockSize != 0 && blocks > kMax / blockSize) {
    return std::numeric_limits<std::int64_t>::max();
  }
  return static_cast<std::int64_t>(blocks * blockSize);
}

class PosixDrives final : public Drives {
 public:
  std::vector<Drive> list() override {
    std::string table = readWholeFile("/proc/self/mounts");
    if (table.empty()) {
      table = readWholeFile("/etc/mtab");
    }
    std::vector<MountEntry> mounts;
    for (MountEntry& entry : parseMountTable(table)) {
      // Files bound into containers are mounts too. Remote mount points are not touched, so a
      // server that is gone cannot hang the refresh.
      if (browsableDriveType(entry, false) == DriveType::Remote || isFolder(entry.mountPoint)) {
        mounts.push_back(std::move(entry));
      }
    }
    return drivesFromMounts(mounts, blockDeviceIsRemovable);
  }

  DriveSpace space(std::string_view folder) override {
    struct statvfs info {};
    const std::string path(folder);
    if (path.empty() || ::statvfs(path.c_str(), &info) != 0) {
      return {};
    }
    return {byteCount(info.f_blocks, info.f_frsize), byteCount(info.f_bavail, info.f_frsize)};
  }
};

}  // namespace

std::unique_ptr<Drives> makeDrives() { return std::make_unique<PosixDrives>(); }

}  // namespace vorlent
