// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "launch/ExecutableMarks.h"
#include "launch/MediaSlots.h"

namespace vorlent {

inline constexpr int kMapperTypeCount = 11;
inline constexpr int kInitialMapperChoice = 10;

// What the panel keeps for one slot beside its cartridge.
struct SlotPanel {
  // The mapper type (0 to 10) the next mount records; it survives ejects.
  int mapperChoice = kInitialMapperChoice;
  // The name the button shows as its tooltip; empty while nothing is inserted.
  std::string name;

  bool operator==(const SlotPanel&) const = default;
};

// What the panel keeps for one drive beside its disk.
struct DrivePanel {
  // The name the button shows as its tooltip; empty while nothing is inserted.
  std::string name;

  bool operator==(const DrivePanel&) const = default;
};

// What the media panel keeps beside the launcher state: never saved, and after a configuration
// load only the display names change. It sits below both the media panel and the configuration
// file so that the loader can set the names the buttons show.
struct MediaPanelState {
  std::array<SlotPanel, kSlotCount> slots;
  std::array<DrivePanel, kDriveCount> drives;
  // The name the tape button shows as its tooltip; empty while nothing is inserted.
  std::string tapeName;

  // Which executable buttons show the image of a found executable.
  ExecutableMarks executables;

  bool operator==(const MediaPanelState&) const = default;
};

}  // namespace vorlent
