#pragma once

#include <array>

#include "media/ListedEntryOpening.h"

class QAction;
class QMenu;
class QWidget;

namespace vorlent {

// The file list's context menu `PopupMenulist`, its items by position (separators included).
struct ListMenu {
  QMenu* menu = nullptr;
  std::array<QAction*, kListMenuItemCount> items{};
};

ListMenu buildListMenu(QWidget* parent);

}  // namespace vorlent
