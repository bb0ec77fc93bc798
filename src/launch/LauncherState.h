// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "launch/BrmsxOptions.h"
#include "launch/FmsxOptions.h"
#include "launch/MediaSlots.h"

namespace vorlent {

// The emulator that the run-current command starts, numbered as the emulator tabs.
enum class EmulatorKind { Brmsx = 0, Fmsx = 1 };

// A slot's mapper code: kNoCartridge for an empty slot, otherwise the type plus 7, which is
// also the number of the icon that shows the type.
inline constexpr int kNoCartridge = -1;
inline constexpr int kFirstMapperCode = 7;
inline constexpr int kLastMapperCode = 17;
inline constexpr int kAutoDetectMapperCode = 17;

constexpr bool isMapperCode(int code) {
  return code >= kFirstMapperCode && code <= kLastMapperCode;
}

// Stands in drive 1's path for the PC's own floppy drive A:; compared byte for byte.
inline constexpr std::string_view kPcDriveMarker = "Select A:Drive[PC]";

// The number of items of the model menus (the same for both emulators) and of each emulator's
// resolution menu; the state and the configuration file keep the chosen item's position.
inline constexpr int kModelItemCount = 3;
inline constexpr int kFmsxResolutionItemCount = 4;
inline constexpr int kBrmsxResolutionItemCount = 10;

inline constexpr int kDiskListLength = 9;
using DiskList = std::array<std::string, kDiskListLength>;

// What a slot holds: the cartridge's path and its mapper code.
struct Cartridge {
  std::string path;
  int mapper = kNoCartridge;

  bool operator==(const Cartridge&) const = default;
};

// What a drive holds: the disk's path, and the disks it held before, newest first, which its
// menu offers again.
struct FloppyDrive {
  std::string path;
  DiskList list;

  bool operator==(const FloppyDrive&) const = default;
};

using Cartridges = std::array<Cartridge, kSlotCount>;
using FloppyDrives = std::array<FloppyDrive, kDriveCount>;

// Everything a launch consumes and everything the configuration file keeps. Paths are the
// short forms of full paths, so that they hold no blanks; an empty text means nothing is set.
struct LauncherState {
  std::string fmsxExePath;
  std::string brmsxExePath;
  std::string palamsxExePath;
  // The configuration file's slot1Path, slot1Mapper, slot2Path and slot2Mapper.
  Cartridges slots;
  // The configuration file's drive1Path and drive2Path, drive1List and drive2List.
  FloppyDrives drives;
  std::string tapePath;
  int fmsxModel = 1;
  int brmsxModel = 0;
  int fmsxResolution = 0;
  int brmsxResolution = 0;
  FmsxOptions fmsxOptions;
  BrmsxOptions brmsxOptions;
  EmulatorKind activeEmulator = EmulatorKind::Brmsx;

  bool operator==(const LauncherState&) const = default;
};

}  // namespace vorlent
