// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Drives.h"

namespace vorlent {

// What one of the 26 drive buttons `a` to `z` shows.
struct DriveButton {
  char letter = 'a';
  bool visible = false;
  std::optional<int> iconIndex;  // in the main icon list
  std::string caption;           // "C:HDD"
  std::string root;              // the folder the button lists, also its tooltip
  DriveType type = DriveType::Unknown;

  bool operator==(const DriveButton&) const = default;
};

using DriveButtons = std::array<DriveButton, 26>;

// The button label of a drive type (":HDD"), empty for a type without a button.
std::string_view driveTypeLabel(DriveType type);

// The icon of a drive type in the main icon list, nothing for a type without a button.
std::optional<int> driveTypeIcon(DriveType type);

// All 26 buttons, hidden and without caption.
DriveButtons hiddenDriveButtons();

// The buttons for the drives the platform reports: a drive's button shows its icon and the
// upper-case letter with the label; letters without a drive of a known type stay hidden.
DriveButtons driveButtonsFor(const std::vector<Drive>& drives);

}  // namespace vorlent
