#include "media/MediaPanelView.h"

#include "media/MediaFields.h"
#include "media/MediaKinds.h"
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
  const ConstSlotFields fields = slotFields(state, panel, slot);
  SlotView view;
  view.medium.buttonIcon = slotButtonIcon(fields.path, fields.mapper);
  view.medium.tooltip = fields.name;
  view.medium.nameItem.caption = fields.path;
  view.medium.nameItem.icon = fields.mapper == kNoCartridge ? kNoIcon : fields.mapper;
  view.medium.ejectEnabled = !fields.path.empty();
  view.mapperCaptions = mapperCaptions(state.activeEmulator);
  view.checkedMapperType = fields.mapperChoice;
  return view;
}

DriveView driveView(const LauncherState& state, const MediaPanelState& panel, DiskDrive drive) {
  const ConstDriveFields fields = driveFields(state, panel, drive);
  DriveView view;
  view.medium = mediumView(fields.path, fields.name, kEmptyDriveIcon);
  for (std::size_t i = 0; i < view.diskList.size(); ++i) {
    view.diskList[i] = {fields.list[i], !fields.list[i].empty()};
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
  view.slots = {slotView(state, panel, CartridgeSlot::Slot1),
                slotView(state, panel, CartridgeSlot::Slot2)};
  view.drives = {driveView(state, panel, DiskDrive::Drive1),
                 driveView(state, panel, DiskDrive::Drive2)};
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
