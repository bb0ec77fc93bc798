// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaPanel.h"

#include "media/MediaSelection.h"
#include "media/MediaTexts.h"
#include "media/MenuCaptions.h"

namespace vorlent {

namespace {

bool isMapperType(int type) { return type >= 0 && type < kMapperTypeCount; }

}  // namespace

MediaPanel::MediaPanel(LauncherState& state, MediaPanelState& panel, Feedback& feedback,
                       ShortPaths& shortPaths, PathStyle pathStyle)
    : state_(state),
      panel_(panel),
      feedback_(feedback),
      shortPaths_(shortPaths),
      pathStyle_(pathStyle) {}

void MediaPanel::MountCartridge(const FileList& list, CartridgeSlot slot) {
  std::optional<MountableFile> file =
      selectedMountableFile(list, MediumKind::Cartridge, shortPaths_, pathStyle_);
  if (!file) {
    return;
  }
  Cartridge& cartridge = state_.slots[indexOf(slot)];
  SlotPanel& shown = panel_.slots[indexOf(slot)];
  cartridge.path = std::move(file->shortPath);
  shown.name = std::move(file->displayName);
  cartridge.mapper = shown.mapperChoice + kFirstMapperCode;
  feedback_.showStatus(slotMountedText(slot, shown.name));
  feedback_.playSoundCue(SoundCue::Set);
}

void MediaPanel::ejectCartridgeQuietly(CartridgeSlot slot) {
  state_.slots[indexOf(slot)] = Cartridge{};
  panel_.slots[indexOf(slot)].name.clear();
}

void MediaPanel::EjectCartridge(CartridgeSlot slot) {
  ejectCartridgeQuietly(slot);
  feedback_.showStatus(slotEjectedText(slot));
}

void MediaPanel::ChooseMapperType(const FileList& list, CartridgeSlot slot, int type) {
  if (!isMapperType(type)) {
    return;
  }
  panel_.slots[indexOf(slot)].mapperChoice = type;
  Cartridge& cartridge = state_.slots[indexOf(slot)];
  if (!cartridge.path.empty()) {
    cartridge.mapper = type + kFirstMapperCode;
  }
  MountCartridge(list, slot);
}

void MediaPanel::SelectEmulator(EmulatorKind emulator) {
  state_.activeEmulator = emulator;
  feedback_.setStatusPanel(
      StatusPanel::EmulatorMode,
      emulatorModeText(kEmulatorTabCaptions[static_cast<std::size_t>(emulator)]));
}

void MediaPanel::SelectModel(EmulatorKind emulator, int model) {
  if (model < 0 || model >= static_cast<int>(kModelItemCaptions.size())) {
    return;
  }
  (emulator == EmulatorKind::Fmsx ? state_.fmsxModel : state_.brmsxModel) = model;
}

void MediaPanel::SelectResolution(EmulatorKind emulator, int resolution) {
  const bool fmsx = emulator == EmulatorKind::Fmsx;
  const int count =
      static_cast<int>(fmsx ? kFmsxResolutionCaptions.size() : kBrmsxResolutionCaptions.size());
  if (resolution < 0 || resolution >= count) {
    return;
  }
  (fmsx ? state_.fmsxResolution : state_.brmsxResolution) = resolution;
}

}  // namespace vorlent
