// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "launch/ExecutableMarks.h"
#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"

namespace vorlent {

// Numbers of the media icon list.
inline constexpr int kNoIcon = -1;
inline constexpr int kEmptySlotIcon = 0;
inline constexpr int kEmptyDriveIcon = 1;
inline constexpr int kSlotWithoutCodeIcon = 1;
inline constexpr int kNoTapeIcon = 3;
inline constexpr int kEjectIcon = 5;
inline constexpr int kInsertedMediumIcon = 16;
inline constexpr int kPcDriveItemIcon = 18;

struct NameItemView {
  std::string caption;
  int icon = kNoIcon;
  bool operator==(const NameItemView&) const = default;
};

// One slot, drive or tape: its toolbar button and the items of its drop-down menu.
struct MediumView {
  int buttonIcon = kNoIcon;
  std::string tooltip;
  bool buttonEnabled = true;
  NameItemView nameItem;
  bool ejectEnabled = false;
  bool operator==(const MediumView&) const = default;
};

struct SlotView {
  MediumView medium;
  // Captions of the eleven mapper items, types 0 to 10, for the active emulator.
  std::array<std::string_view, kMapperTypeCount> mapperCaptions{};
  int checkedMapperType = kInitialMapperChoice;
};

struct DiskListItemView {
  std::string caption;
  bool visible = false;
  bool operator==(const DiskListItemView&) const = default;
};

struct DriveView {
  MediumView medium;
  std::array<DiskListItemView, kDiskListLength> diskList;
};

// Everything the media toolbar, its menus, the emulator tabs and the mode panel show.
struct MediaPanelView {
  std::array<SlotView, kSlotCount> slots;
  std::array<DriveView, kDriveCount> drives;
  MediumView tape;
  EmulatorKind activePage = EmulatorKind::Brmsx;
  std::string modePanelText;
  int fmsxModelItem = 0;
  int brmsxModelItem = 0;
  int fmsxResolutionItem = 0;
  int brmsxResolutionItem = 0;
  int fmsxExeIcon = kUnknownExecutableIcon;
  int brmsxExeIcon = kUnknownExecutableIcon;
  int palamsxExeIcon = kUnknownExecutableIcon;
};

// A slot button's icon: 0 while empty, the mapper code while filled, and 1 for a path that a
// configuration load restored without a code.
int slotButtonIcon(std::string_view path, int mapperCode);

MediaPanelView mediaPanelView(const LauncherState& state, const MediaPanelState& panel);

// The mapper names of the emulator's slot menus.
const std::array<std::string_view, kMapperTypeCount>& mapperCaptions(EmulatorKind emulator);

}  // namespace vorlent
