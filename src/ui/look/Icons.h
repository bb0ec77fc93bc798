// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include "platform/Drives.h"

namespace vorlent {

// Pictures of the toolbars and menus.
enum class ToolIcon {
  Unknown,  // an executable not located yet
  Known,    // a located executable
  System,
  Resolution,
  Edit,
  Check,
  Run,
  Emulator,
  Folder,
  BigIcons,
  SmallIcons,
  List,
  Report,
  Eject,
  NewFile,
  NewFolder,
  Open,
  Rename,
  Move,
  Copy,
  Join,
  Trash,
  Refresh,
  About,
  Help,
  HomePage,
};

QIcon toolIcon(ToolIcon icon);

// The media icon list: 0 empty slot, 1 empty drive, 3 no tape, 5 eject, 7 to 17 the mapper
// types, 16 also a filled drive or tape, 18 the PC drive. A null icon outside 0 to 18.
QIcon mediaIcon(int index);

// The file list's pictures by icon index 0 to 18, drawn for 32 and 16 pixels alike.
QIcon fileListIcon(int index);

// A drive button's picture by the drive's type.
QIcon driveIcon(DriveType type);

QIcon programIcon();

// The button that opens the items a band or the menu bar has no room for.
QIcon moreItemsIcon(Qt::Orientation orientation);

}  // namespace vorlent
