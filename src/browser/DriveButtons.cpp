// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/DriveButtons.h"

namespace vorlent {

std::string_view driveTypeLabel(DriveType type) {
  switch (type) {
    case DriveType::Removable:
      return ":RDD";
    case DriveType::Fixed:
      return ":HDD";
    case DriveType::Remote:
      return ":NTD";
    case DriveType::CdRom:
      return ": CD";
    case DriveType::RamDisk:
      return ":RAM";
    case DriveType::Unknown:
    case DriveType::NoRootFolder:
      break;
  }
  return {};
}

std::optional<int> driveTypeIcon(DriveType type) {
  switch (type) {
    case DriveType::Removable:
      return 0;
    case DriveType::Fixed:
      return 1;
    case DriveType::Remote:
      return 2;
    case DriveType::CdRom:
      return 3;
    case DriveType::RamDisk:
      return 4;
    case DriveType::Unknown:
    case DriveType::NoRootFolder:
      break;
  }
  return std::nullopt;
}

DriveButtons hiddenDriveButtons() {
  DriveButtons buttons;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttons[i].letter = static_cast<char>('a' + i);
  }
  return buttons;
}

DriveButtons driveButtonsFor(const std::vector<Drive>& drives) {
  DriveButtons buttons = hiddenDriveButtons();
  for (const Drive& drive : drives) {
    if (drive.letter < 'a' || drive.letter > 'z') {
      continue;
    }
    DriveButton& button = buttons[static_cast<std::size_t>(drive.letter - 'a')];
    button.type = drive.type;
    button.iconIndex = driveTypeIcon(drive.type);
    button.visible = button.iconIndex.has_value();
    button.root = button.visible ? drive.root : std::string();
    button.caption = button.visible ? static_cast<char>(drive.letter - 'a' + 'A') +
                                          std::string(driveTypeLabel(drive.type))
                                    : std::string();
  }
  return buttons;
}

}  // namespace vorlent
