#include <algorithm>

#include "media/MediaFields.h"
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
  const DriveFields fields = driveFields(state_, panel_, drive);
  if (std::optional<MountableFile> file =
          mountableFile(*entry, MediumKind::Disk, shortPaths_, pathStyle_)) {
    fields.path = std::move(file->shortPath);
    fields.name = std::move(file->displayName);
    feedback_.showStatus(driveMountedText(drive, fields.name));
    feedback_.playSoundCue(SoundCue::Set);
  }
  RecordInDiskList(drive, fields.path);
}

void MediaPanel::RecordInDiskList(DiskDrive drive, std::string_view path) {
  DiskList& list = driveFields(state_, panel_, drive).list;
  if (std::find(list.begin(), list.end(), path) != list.end()) {
    return;
  }
  std::shift_right(list.begin(), list.end(), 1);
  list.front() = std::string(path);
}

void MediaPanel::ejectDiskQuietly(DiskDrive drive) {
  const DriveFields fields = driveFields(state_, panel_, drive);
  fields.path.clear();
  fields.name.clear();
}

void MediaPanel::EjectDisk(DiskDrive drive) {
  ejectDiskQuietly(drive);
  feedback_.showStatus(driveEjectedText(drive));
}

void MediaPanel::PickListedDisk(DiskDrive drive, int position) {
  if (position < 1 || position > kDiskListLength) {
    return;
  }
  const DriveFields fields = driveFields(state_, panel_, drive);
  const std::string listed = fields.list[static_cast<std::size_t>(position - 1)];
  if (listed.empty()) {
    return;
  }
  fields.path = listed;
  fields.name = listedDiskName(listed, pathStyle_);
  feedback_.showStatus(driveMountedText(drive, fields.name));
}

void MediaPanel::ClearDiskList(DiskDrive drive) {
  driveFields(state_, panel_, drive).list.fill(std::string());
  feedback_.showStatus(diskListClearedText(drive));
  feedback_.playSoundCue(SoundCue::Reset);
}

void MediaPanel::MountPcDriveA() {
  state_.drive1Path = kPcDriveMarker;
  panel_.drive1Name = kPcDriveMarker;
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
  ejectCartridgeQuietly(CartridgeSlot::Slot1);
  ejectCartridgeQuietly(CartridgeSlot::Slot2);
  ejectDiskQuietly(DiskDrive::Drive1);
  ejectDiskQuietly(DiskDrive::Drive2);
  ejectTapeQuietly();
  feedback_.showStatus(allEjectedText());
  feedback_.playSoundCue(SoundCue::Reset);
}

}  // namespace vorlent
