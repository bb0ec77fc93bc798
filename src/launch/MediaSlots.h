// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace vorlent {

// The two cartridge slots and the two disk drives, numbered as the state's arrays hold them.
enum class CartridgeSlot { Slot1, Slot2 };
enum class DiskDrive { Drive1, Drive2 };

inline constexpr std::size_t kSlotCount = 2;
inline constexpr std::size_t kDriveCount = 2;

inline constexpr std::array<CartridgeSlot, kSlotCount> kCartridgeSlots = {CartridgeSlot::Slot1,
                                                                          CartridgeSlot::Slot2};
inline constexpr std::array<DiskDrive, kDriveCount> kDiskDrives = {DiskDrive::Drive1,
                                                                   DiskDrive::Drive2};

constexpr std::size_t indexOf(CartridgeSlot slot) { return static_cast<std::size_t>(slot); }
constexpr std::size_t indexOf(DiskDrive drive) { return static_cast<std::size_t>(drive); }

}  // namespace vorlent
