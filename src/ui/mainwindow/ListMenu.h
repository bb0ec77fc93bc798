// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/ListMenuItem.h"

class QAction;
class QMenu;
class QWidget;

namespace vorlent {

// The file list's context menu `PopupMenulist`, its items by name or position (separators
// included).
struct ListMenu {
  QMenu* menu = nullptr;
  ListMenuTable<QAction*> items{};
  // After the eighteen items: a separator and "ROM 情報", shown with the slot items.
  QAction* romSeparator = nullptr;
  QAction* romInformation = nullptr;  // RomInformation1
};

ListMenu buildListMenu(QWidget* parent);

}  // namespace vorlent
