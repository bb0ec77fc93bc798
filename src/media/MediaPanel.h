// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browser/FileList.h"
#include "feedback/Feedback.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "launch/MediaSlots.h"
#include "media/SoftwareDatabaseSource.h"
#include "platform/PathStyle.h"
#include "platform/ShortPaths.h"

namespace vorlent {

// The media commands: each reads the file list's selection where it inserts something, changes
// the launcher state and the panel's own state, and sends at most one status text and one
// sound cue. None reports an error; a command that does not fit the selection does nothing.
// What the controls show afterwards is mediaPanelView() of the two states.
class MediaPanel {
 public:
  MediaPanel(LauncherState& state, MediaPanelState& panel, Feedback& feedback,
             ShortPaths& shortPaths, PathStyle pathStyle);

  // Cartridge slots.
  void MountCartridge(const FileList& list, CartridgeSlot slot);
  void EjectCartridge(CartridgeSlot slot);
  // type is the mapper item's position in its menu minus 2; a type outside 0 to 10 is ignored.
  void ChooseMapperType(const FileList& list, CartridgeSlot slot, int type);
  // Looks the slot's image up in the software database and, where it names a mapper item of
  // the active emulator, retypes the slot as a choice of that item with nothing selected
  // would, with a status text and the mount's cue. Otherwise only a status text says why not.
  void IdentifyCartridge(CartridgeSlot slot, SoftwareDatabaseSource& database);
  // The plain box of what the database says of the one selected .rom file; nothing else.
  void ShowRomInformation(const FileList& list, SoftwareDatabaseSource& database);

  // Disk drives and their lists.
  void MountDisk(const FileList& list, DiskDrive drive);
  void RecordInDiskList(DiskDrive drive, std::string_view path);
  void EjectDisk(DiskDrive drive);
  // position is 1 to 9; any other position is ignored.
  void PickListedDisk(DiskDrive drive, int position);
  void ClearDiskList(DiskDrive drive);
  void MountPcDriveA();

  // Tape, and everything at once.
  void MountTape(const FileList& list);
  void EjectTape();
  void EjectAllMedia();

  // The emulator tabs and the model and resolution menus; an item position outside its menu
  // is ignored.
  void SelectEmulator(EmulatorKind emulator);
  void SelectModel(EmulatorKind emulator, int model);
  void SelectResolution(EmulatorKind emulator, int resolution);

 private:
  void ejectCartridgeQuietly(CartridgeSlot slot);
  void ejectDiskQuietly(DiskDrive drive);
  void ejectTapeQuietly();

  LauncherState& state_;
  MediaPanelState& panel_;
  Feedback& feedback_;
  ShortPaths& shortPaths_;
  PathStyle pathStyle_;
};

}  // namespace vorlent
