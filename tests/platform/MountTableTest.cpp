// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/MountTable.h"

namespace vorlent {
namespace {

TEST(MountTableTest, ParsesFieldsAndDecodesEscapes) {
  const std::string table =
      "/dev/sda2 / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdb1 /media/user/MY\\040DISK vfat rw 0 0\n"
      "server:/export /mnt/back\\134slash nfs4 rw 0 0\n"
      "\n"
      "short line\n"
      "# comment here\n"
      "tmpfs\t/tmp\ttmpfs rw 0 0";
  EXPECT_EQ(parseMountTable(table),
            (std::vector<MountEntry>{{"/dev/sda2", "/", "ext4"},
                                     {"proc", "/proc", "proc"},
                                     {"/dev/sdb1", "/media/user/MY DISK", "vfat"},
                                     {"server:/export", "/mnt/back\\slash", "nfs4"},
                                     {"tmpfs", "/tmp", "tmpfs"}}));
}

TEST(MountTableTest, DriveTypeOfEachKindOfMount) {
  const struct {
    MountEntry entry;
    bool removable;
    std::optional<DriveType> type;
  } cases[] = {
      {{"/dev/sda2", "/", "ext4"}, false, DriveType::Fixed},
      {{"/dev/sda3", "/home", "btrfs"}, false, DriveType::Fixed},
      {{"/dev/nvme0n1p4", "/data", "xfs"}, false, DriveType::Fixed},
      {{"/dev/sdb1", "/mnt/usb", "vfat"}, true, DriveType::Removable},
      {{"/dev/sdc1", "/media/user/STICK", "exfat"}, false, DriveType::Removable},
      {{"/dev/sdc1", "/run/media/user/STICK", "ntfs3"}, false, DriveType::Removable},
      {{"/dev/sr0", "/media/user/CDROM", "iso9660"}, true, DriveType::CdRom},
      {{"/dev/sr0", "/mnt/dvd", "udf"}, false, DriveType::CdRom},
      {{"server:/export", "/mnt/nfs", "nfs"}, false, DriveType::Remote},
      {{"server:/export", "/mnt/nfs4", "nfs4"}, false, DriveType::Remote},
      {{"//host/share", "/mnt/smb", "cifs"}, false, DriveType::Remote},
      {{"//host/share", "/mnt/smb3", "smb3"}, false, DriveType::Remote},
      {{"user@host:/home", "/mnt/ssh", "fuse.sshfs"}, false, DriveType::Remote},
      {{"remote:bucket/", "/mnt/cloud", "fuse.rclone"}, false, DriveType::Remote},
      {{"tmpfs", "/tmp", "tmpfs"}, false, DriveType::RamDisk},
      {{"none", "/mnt/ram", "ramfs"}, false, DriveType::RamDisk},
      // Pseudo, container and system file systems have no button.
      {{"proc", "/proc", "proc"}, false, std::nullopt},
      {{"sysfs", "/sys", "sysfs"}, false, std::nullopt},
      {{"cgroup2", "/sys/fs/cgroup", "cgroup2"}, false, std::nullopt},
      {{"cgroup", "/sys/fs/cgroup/cpu", "cgroup"}, false, std::nullopt},
      {{"devpts", "/dev/pts", "devpts"}, false, std::nullopt},
      {{"udev", "/dev", "devtmpfs"}, false, std::nullopt},
      {{"overlay", "/var/lib/docker/overlay2/x/merged", "overlay"}, false, std::nullopt},
      {{"overlay", "/mnt/merged", "overlay"}, false, std::nullopt},
      {{"/dev/loop3", "/snap/core22/1033", "squashfs"}, false, std::nullopt},
      {{"/dev/loop4", "/mnt/image", "squashfs"}, false, std::nullopt},
      {{"tmpfs", "/dev/shm", "tmpfs"}, false, std::nullopt},
      {{"tmpfs", "/run", "tmpfs"}, false, std::nullopt},
      {{"tmpfs", "/run/user/1000", "tmpfs"}, false, std::nullopt},
      {{"gvfsd-fuse", "/run/user/1000/gvfs", "fuse.gvfsd-fuse"}, false, std::nullopt},
      {{"/dev/sda1", "/boot/efi", "vfat"}, false, std::nullopt},
      {{"/dev/sda1", "/boot", "ext4"}, false, std::nullopt},
      {{"systemd-1", "/proc/sys/fs/binfmt_misc", "autofs"}, false, std::nullopt},
      {{"mqueue", "/mqueue", "mqueue"}, false, std::nullopt},
      {{"debugfs", "/debug", "debugfs"}, false, std::nullopt},
      // Names that only begin like a system folder are not below it.
      {{"/dev/sdd1", "/devices", "ext4"}, false, DriveType::Fixed},
      {{"/dev/sdd1", "/mediacenter", "ext4"}, false, DriveType::Fixed},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(browsableDriveType(c.entry, c.removable), c.type)
        << c.entry.mountPoint << " " << c.entry.fileSystemType;
  }
}

std::vector<std::string> describe(const std::vector<Drive>& drives) {
  std::vector<std::string> lines;
  for (const Drive& drive : drives) {
    lines.push_back(std::string(1, drive.letter) + " " +
                    std::to_string(static_cast<int>(drive.type)) + " " + drive.root);
  }
  return lines;
}

TEST(MountTableTest, DrivesInAStableOrderWithTheRootFirst) {
  const std::vector<MountEntry> mounts = {
      {"proc", "/proc", "proc"},
      {"/dev/sda3", "/home", "ext4"},
      {"/dev/sda2", "/", "ext4"},
      {"tmpfs", "/tmp", "tmpfs"},
      {"/dev/sdb1", "/mnt/usb", "vfat"},
      {"server:/x", "/mnt/net", "nfs"},
      {"/dev/sr0", "/mnt/cd", "iso9660"},
      // Mounted over: keeps its place, takes the new type.
      {"tmpfs", "/home", "tmpfs"},
  };
  const auto isRemovable = [](const MountEntry& entry) { return entry.source == "/dev/sdb1"; };
  EXPECT_EQ(describe(drivesFromMounts(mounts, isRemovable)),
            (std::vector<std::string>{"a 3 /", "b 6 /home", "c 6 /tmp", "d 2 /mnt/usb",
                                      "e 4 /mnt/net", "f 5 /mnt/cd"}));
}

TEST(MountTableTest, AContainerRootIsAFixedDrive) {
  const std::vector<MountEntry> mounts = {{"overlay", "/", "overlay"}, {"proc", "/proc", "proc"}};
  EXPECT_EQ(describe(drivesFromMounts(mounts, [](const MountEntry&) { return false; })),
            std::vector<std::string>{"a 3 /"});
}

TEST(MountTableTest, AtMostTwentySixDrives) {
  std::vector<MountEntry> mounts;
  for (int i = 0; i < 40; ++i) {
    mounts.push_back({"/dev/sdx" + std::to_string(i), "/mnt/d" + std::to_string(i), "ext4"});
  }
  const auto drives = drivesFromMounts(mounts, [](const MountEntry&) { return false; });
  ASSERT_EQ(drives.size(), 26u);
  EXPECT_EQ(drives.front().letter, 'a');
  EXPECT_EQ(drives.back().letter, 'z');
  EXPECT_EQ(drives.back().root, "/mnt/d25");
}

TEST(MountTableTest, AnEmptyTableHasNoDrives) {
  EXPECT_TRUE(drivesFromMounts({}, [](const MountEntry&) { return false; }).empty());
  EXPECT_TRUE(parseMountTable("").empty());
}

}  // namespace
}  // namespace vorlent
