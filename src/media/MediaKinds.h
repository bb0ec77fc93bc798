#pragma once

namespace vorlent {

enum class CartridgeSlot { Slot1, Slot2 };
enum class DiskDrive { Drive1, Drive2 };

}  // namespace vorlent
