// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MountTable.h"

#include <algorithm>
#include <array>

namespace vorlent {

namespace {

constexpr std::string_view kNonBrowsableTypes[] = {
    "proc",          "sysfs",          "cgroup",     "cgroup2",    "devpts",          "devtmpfs",
    "overlay",       "squashfs",       "securityfs", "debugfs",    "tracefs",         "pstore",
    "bpf",           "configfs",       "fusectl",    "mqueue",     "hugetlbfs",       "autofs",
    "binfmt_misc",   "efivarfs",       "rpc_pipefs", "nsfs",       "selinuxfs",       "nfsd",
    "aufs",          "shiftfs",        "rootfs",     "fuse.lxcfs", "fuse.gvfsd-fuse", "fuse.portal",
    "fuse.snapfuse", "fuse.squashfuse"};

constexpr std::string_view kRemoteTypes[] = {
    "nfs",         "nfs4",  "cifs",     "smb3",   "smbfs",      "ncpfs",       "afs",
    "9p",          "ceph",  "coda",     "lustre", "fuse.sshfs", "fuse.rclone", "fuse.glusterfs",
    "fuse.davfs2", "davfs", "fuse.s3fs"};

// System folders whose mounts belong to the system, not to the user's files.
constexpr std::string_view kSystemFolders[] = {"/proc", "/sys",  "/dev",     "/run",     "/boot",
                                               "/efi",  "/snap", "/var/lib", "/var/snap"};

template <std::size_t N>
bool isOneOf(std::string_view value, const std::string_view (&set)[N]) {
  return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

bool isBelow(std::string_view path, std::string_view folder) {
  return path == folder || (path.size() > folder.size() &&
                            path.substr(0, folder.size()) == folder && path[folder.size()] == '/');
}

bool isSystemMountPoint(std::string_view mountPoint) {
  if (isBelow(mountPoint, "/run/media")) {
    return false;
  }
  return std::any_of(std::begin(kSystemFolders), std::end(kSystemFolders),
                     [&](std::string_view folder) { return isBelow(mountPoint, folder); });
}

bool looksRemote(const MountEntry& entry) {
  if (isOneOf(entry.fileSystemType, kRemoteTypes)) {
    return true;
  }
  // A FUSE file system whose source names a host ("host:/path", "//host/share", "user@host:").
  const bool fuse = entry.fileSystemType.starts_with("fuse.");
  return fuse && (entry.source.starts_with("//") || entry.source.find(":/") != std::string::npos ||
                  entry.source.find('@') != std::string::npos);
}

std::string decodeEscapes(std::string_view field) {
  std::string decoded;
  decoded.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const char a = field[i + 1];
      const char b = field[i + 2];
      const char c = field[i + 3];
      if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
        decoded += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
        i += 3;
        continue;
      }
    }
    decoded += field[i];
  }
  return decoded;
}

}  // namespace

std::vector<MountEntry> parseMountTable(std::string_view text) {
  std::vector<MountEntry> entries;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

    std::array<std::string_view, 3> fields;
    std::size_t found = 0;
    while (found < fields.size()) {
      const auto start = line.find_first_not_of(" \t");
      if (start == std::string_view::npos) {
        break;
      }
      line.remove_prefix(start);
      const auto stop = line.find_first_of(" \t");
      fields[found++] = line.substr(0, stop);
      line = stop == std::string_view::npos ? std::string_view() : line.substr(stop);
    }
    if (found == fields.size() && !fields[0].starts_with('#')) {
      entries.push_back(
          {decodeEscapes(fields[0]), decodeEscapes(fields[1]), decodeEscapes(fields[2])});
    }
  }
  return entries;
}

std::optional<DriveType> browsableDriveType(const MountEntry& entry, bool deviceIsRemovable) {
  const std::string_view type = entry.fileSystemType;
  if (isOneOf(type, kNonBrowsableTypes) || isSystemMountPoint(entry.mountPoint)) {
    return std::nullopt;
  }
  if (type == "tmpfs" || type == "ramfs") {
    return DriveType::RamDisk;
  }
  if (looksRemote(entry)) {
    return DriveType::Remote;
  }
  if (type == "iso9660" || type == "udf") {
    return DriveType::CdRom;
  }
  if (deviceIsRemovable || isBelow(entry.mountPoint, "/media") ||
      isBelow(entry.mountPoint, "/run/media")) {
    return DriveType::Removable;
  }
  return DriveType::Fixed;
}

std::vector<Drive> drivesFromMounts(const std::vector<MountEntry>& mounts,
                                    const std::function<bool(const MountEntry&)>& isRemovable) {
  // The file system on top of each mount point, at the place of its first mount.
  std::vector<const MountEntry*> tops;
  for (const MountEntry& entry : mounts) {
    const auto same = std::find_if(tops.begin(), tops.end(), [&](const MountEntry* top) {
      return top->mountPoint == entry.mountPoint;
    });
    if (same == tops.end()) {
      tops.push_back(&entry);
    } else {
      *same = &entry;
    }
  }
  std::stable_partition(tops.begin(), tops.end(),
                        [](const MountEntry* top) { return top->mountPoint == "/"; });

  std::vector<Drive> drives;
  for (const MountEntry* top : tops) {
    if (drives.size() == 26) {
      break;
    }
    auto type = browsableDriveType(*top, isRemovable(*top));
    // The root holds the whole tree: it is browsable whatever carries it (an overlay in a
    // container, for example).
    if (!type && top->mountPoint == "/") {
      type = DriveType::Fixed;
    }
    if (type) {
      drives.push_back({static_cast<char>('a' + drives.size()), *type, top->mountPoint});
    }
  }
  return drives;
}

}  // namespace vorlent
