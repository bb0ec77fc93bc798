// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/MediaSlots.h"

namespace vorlent {

// The status line texts of the media commands; a name goes between straight double quotes.
std::string slotMountedText(CartridgeSlot slot, std::string_view name);
std::string_view slotEjectedText(CartridgeSlot slot);
std::string driveMountedText(DiskDrive drive, std::string_view name);
std::string_view driveEjectedText(DiskDrive drive);
std::string tapeMountedText(std::string_view name);
std::string_view tapeEjectedText();
std::string_view pcDriveMountedText();
std::string_view diskListClearedText(DiskDrive drive);
std::string_view allEjectedText();

// The text of the status bar's emulator mode panel for a tab caption.
std::string emulatorModeText(std::string_view tabCaption);

}  // namespace vorlent
