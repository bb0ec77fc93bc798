// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaPanelView.h"

#include "media/MediaTexts.h"
#include "media/MenuCaptions.h"

namespace vorlent {

namespace {

MediumView mediumView(const std::string& path, const std::string& name, int emptyIcon) {
  MediumView view;
  view.buttonIcon = path.empty() ? emptyIcon : kInsertedMediumIcon;
  view.tooltip = name;
  view.nameItem.caption = path;
  view.ejectEnabled = !path.empty();
  return view;
}

SlotView slotView(const LauncherState& state, const MediaPanelState& panel, CartridgeSlot slot) {
  const Cartridge& cartridge = state.slots[indexOf(slot)];
  const SlotPanel& shown = panel.slots[indexOf(slot)];
  SlotView view;
  view.medium.buttonIcon = slotButtonIcon(cartridge.path, cartridge.mapper);
  view.medium.tooltip = shown.name;
  view.medium.nameItem.caption = cartridge.path;
  view.medium.nameItem.icon = cartridge.mapper == kNoCartridge ? kNoIcon : cartridge.mapper;
  view.medium.ejectEnabled = !cartridge.path.empty();
  view.mapperCaptions = mapperCaptions(state.activeEmulator);
  view.checkedMapperType = shown.mapperChoice;
  return view;
}

DriveView driveView(const LauncherState& state, const MediaPanelState& panel, DiskDrive drive) {
  const FloppyDrive& disk = state.drives[indexOf(drive)];
  DriveView view;
  view.medium = mediumView(disk.path, panel.drives[indexOf(drive)].name, kEmptyDriveIcon);
  for (std::size_t i = 0; i < view.diskList.size(); ++i) {
    view.diskList[i] = {disk.list[i], !disk.list[i].empty()};
  }
  return view;
}

}  // namespace

int slotButtonIcon(std::string_view path, int mapperCode) {
  if (path.empty()) {
    return kEmptySlotIcon;
  }
  return mapperCode == kNoCartridge ? kSlotWithoutCodeIcon : mapperCode;
}

const std::array<std::string_view, kMapperTypeCount>& mapperCaptions(EmulatorKind emulator) {
  return emulator == EmulatorKind::Fmsx ? kFmsxMapperNames : kBrmsxMapperNames;
}

MediaPanelView mediaPanelView(const LauncherState& state, const MediaPanelState& panel) {
  MediaPanelView view;
  for (const CartridgeSlot slot : kCartridgeSlots) {
    view.slots[indexOf(slot)] = slotView(state, panel, slot);
  }
  for (const DiskDrive drive : kDiskDrives) {
    view.drives[indexOf(drive)] = driveView(state, panel, drive);
  }
  // brMSX has one drive; the second drive's button only works while fMSX is active.
  view.drives[1].medium.buttonEnabled = state.activeEmulator == EmulatorKind::Fmsx;
  view.tape = mediumView(state.tapePath, panel.tapeName, kNoTapeIcon);
  view.activePage = state.activeEmulator;
  view.modePanelText =
      emulatorModeText(kEmulatorTabCaptions[static_cast<std::size_t>(state.activeEmulator)]);
  view.fmsxModelItem = state.fmsxModel;
  view.brmsxModelItem = state.brmsxModel;
  view.fmsxResolutionItem = state.fmsxResolution;
  view.brmsxResolutionItem = state.brmsxResolution;
  view.fmsxExeIcon = executableButtonImage(panel.executables.fmsx);
  view.brmsxExeIcon = executableButtonImage(panel.executables.brmsx);
  view.palamsxExeIcon = executableButtonImage(panel.executables.palamsx);
  return view;
}

}  // namespace vorlent
