// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "launch/LauncherState.h"
#include "launch/MediaSlots.h"
#include "media/RomIdentity.h"

namespace vorlent {

// The status line texts of the slot menus' "データベースで判別"; a title goes between straight
// double quotes. In these texts and the box's, what comes from the database or a file name has
// its control characters shown as visible marks (see withControlsMarked).
std::string slotRetypedText(CartridgeSlot slot, std::string_view title,
                            std::string_view mapperCaption);
// The active emulator has no item for the type; the text says whether the other one has none
// either.
std::string slotNoMapperItemText(CartridgeSlot slot, std::string_view title,
                                 std::string_view databaseType, const MapperAdvice& advice,
                                 EmulatorKind emulator);
std::string slotPlainRomText(CartridgeSlot slot, std::string_view title);
std::string_view slotUnknownRomText(CartridgeSlot slot);
std::string_view slotUnreadableRomText(CartridgeSlot slot);
std::string_view noSoftwareDatabaseText();
// The database that cannot be used, and why: the reason as the loader gives it.
std::string softwareDatabaseFailedText(std::string_view path, std::string_view reason);

// The box's text for a selected image that cannot be read, with the failure's text.
std::string romUnreadableText(std::string_view name, std::string_view failure);

// The caption of the slot menu item a code stands for while the emulator is active.
std::string_view mapperItemCaption(EmulatorKind emulator, int code);

// The text of the file list's "ROM 情報" box for an identified image.
std::string romInformationText(const RomIdentity& identity);

}  // namespace vorlent
