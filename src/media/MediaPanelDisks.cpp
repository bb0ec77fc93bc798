// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "media/MediaPanel.h"
#include "media/MediaSelection.h"
#include "media/MediaTexts.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

// The name a listed disk shows once picked: the text after its last delimiter. The PC drive
// marker is named by its part after the ":" on every platform, "Drive[PC]".
std::string listedDiskName(std::string_view path, PathStyle style) {
  return fileNamePart(path, path == kPcDriveMarker ? PathStyle::Windows : style);
}

}  // namespace

void MediaPanel::MountDisk(const FileList& list, DiskDrive drive) {
  const FileListEntry* entry = singleSelectedEntry(list);
  if (entry == nullptr) {
    return;
  }
  FloppyDrive& disk = state_.drives[indexOf(drive)];
  DrivePanel& shown = panel_.drives[indexOf(drive)];
  if (std::optional<MountableFile> file =
          mountableFile(*entry, MediumKind::Disk, shortPaths_, pathStyle_)) {
    disk.path = std::move(file->shortPath);
    shown.name = std::move(file->displayName);
    feedback_.showStatus(driveMountedText(drive, shown.name));
    feedback_.playSoundCue(SoundCue::Set);
  }
  RecordInDiskList(drive, disk.path);
}

void MediaPanel::RecordInDiskList(DiskDrive drive, std::string_view path) {
  DiskList& list = state_.drives[indexOf(drive)].list;
  if (std::find(list.begin(), list.end(), path) != list.end()) {
    return;
  }
  std::shift_right(list.begin(), list.end(), 1);
  list.front() = std::string(path);
}

void MediaPanel::ejectDiskQuietly(DiskDrive drive) {
  state_.drives[indexOf(drive)].path.clear();
  panel_.drives[indexOf(drive)].name.clear();
}

void MediaPanel::EjectDisk(DiskDrive drive) {
  ejectDiskQuietly(drive);
  feedback_.showStatus(driveEjectedText(drive));
}

void MediaPanel::PickListedDisk(DiskDrive drive, int position) {
  if (position < 1 || position > kDiskListLength) {
    return;
  }
  FloppyDrive& disk = state_.drives[indexOf(drive)];
  DrivePanel& shown = panel_.drives[indexOf(drive)];
  const std::string listed = disk.list[static_cast<std::size_t>(position - 1)];
  if (listed.empty()) {
    return;
  }
  disk.path = listed;
  shown.name = listedDiskName(listed, pathStyle_);
  feedback_.showStatus(driveMountedText(drive, shown.name));
}

void MediaPanel::ClearDiskList(DiskDrive drive) {
  state_.drives[indexOf(drive)].list.fill(std::string());
  feedback_.showStatus(diskListClearedText(drive));
  feedback_.playSoundCue(SoundCue::Reset);
}

void MediaPanel::MountPcDriveA() {
  state_.drives[indexOf(DiskDrive::Drive1)].path = kPcDriveMarker;
  panel_.drives[indexOf(DiskDrive::Drive1)].name = kPcDriveMarker;
  feedback_.showStatus(pcDriveMountedText());
  feedback_.playSoundCue(SoundCue::Set);
}

void MediaPanel::MountTape(const FileList& list) {
  std::optional<MountableFile> file =
      selectedMountableFile(list, MediumKind::Tape, shortPaths_, pathStyle_);
  if (!file) {
    return;
  }
  state_.tapePath = std::move(file->shortPath);
  panel_.tapeName = std::move(file->displayName);
  feedback_.showStatus(tapeMountedText(panel_.tapeName));
  feedback_.playSoundCue(SoundCue::Set);
}

void MediaPanel::ejectTapeQuietly() {
  state_.tapePath.clear();
  panel_.tapeName.clear();
}

void MediaPanel::EjectTape() {
  ejectTapeQuietly();
  feedback_.showStatus(tapeEjectedText());
}

// Each eject would write its own status text, each overwritten by the next; only the last one
// is sent.
void MediaPanel::EjectAllMedia() {
  for (const CartridgeSlot slot : kCartridgeSlots) ejectCartridgeQuietly(slot);
  for (const DiskDrive drive : kDiskDrives) ejectDiskQuietly(drive);
  ejectTapeQuietly();
  feedback_.showStatus(allEjectedText());
  feedback_.playSoundCue(SoundCue::Reset);
}

}  // namespace vorlent
