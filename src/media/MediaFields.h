#pragma once

#include <string>

#include "launch/LauncherState.h"
#include "launch/MediaPanelState.h"
#include "media/MediaKinds.h"

namespace vorlent {

// The fields of one slot or one drive, so that each command is written once for both.
template <typename Text, typename Number>
struct SlotFieldsOf {
  Text& path;
  Number& mapper;
  Number& mapperChoice;
  Text& name;
};
using SlotFields = SlotFieldsOf<std::string, int>;
using ConstSlotFields = SlotFieldsOf<const std::string, const int>;

template <typename Text, typename List>
struct DriveFieldsOf {
  Text& path;
  List& list;
  Text& name;
};
using DriveFields = DriveFieldsOf<std::string, DiskList>;
using ConstDriveFields = DriveFieldsOf<const std::string, const DiskList>;

inline SlotFields slotFields(LauncherState& state, MediaPanelState& panel, CartridgeSlot slot) {
  if (slot == CartridgeSlot::Slot1) {
    return {state.slot1Path, state.slot1Mapper, panel.slot1MapperChoice, panel.slot1Name};
  }
  return {state.slot2Path, state.slot2Mapper, panel.slot2MapperChoice, panel.slot2Name};
}

inline ConstSlotFields slotFields(const LauncherState& state, const MediaPanelState& panel,
                                  CartridgeSlot slot) {
  if (slot == CartridgeSlot::Slot1) {
    return {state.slot1Path, state.slot1Mapper, panel.slot1MapperChoice, panel.slot1Name};
  }
  return {state.slot2Path, state.slot2Mapper, panel.slot2MapperChoice, panel.slot2Name};
}

inline DriveFields driveFields(LauncherState& state, MediaPanelState& panel, DiskDrive drive) {
  if (drive == DiskDrive::Drive1) {
    return {state.drive1Path, state.drive1List, panel.drive1Name};
  }
  return {state.drive2Path, state.drive2List, panel.drive2Name};
}

inline ConstDriveFields driveFields(const LauncherState& state, const MediaPanelState& panel,
                                    DiskDrive drive) {
  if (drive == DiskDrive::Drive1) {
    return {state.drive1Path, state.drive1List, panel.drive1Name};
  }
  return {state.drive2Path, state.drive2List, panel.drive2Name};
}

}  // namespace vorlent
