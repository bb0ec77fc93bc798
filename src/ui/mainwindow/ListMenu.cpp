// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ListMenu.h"

#include <QAction>
#include <QMenu>
#include <iterator>

#include "ui/look/Icons.h"

namespace vorlent {

namespace {

struct Item {
  ListMenuItem item;
  const char* name;
  const char* caption;  // nullptr for a separator
  ToolIcon icon;
};

using enum ListMenuItem;
constexpr Item kItems[] = {
    {NewFile, "NewFile1", "新規ファイル作成", ToolIcon::NewFile},
    {NewFolder, "NewDirectory1", "新規フォルダ作成", ToolIcon::NewFolder},
    {OpenSeparator, "N1", nullptr, ToolIcon::Open},
    {Open, "Open1", "開く", ToolIcon::Open},
    {OpenWindow, "OpenWindow1", "ウィンドウ表示する", ToolIcon::Folder},
    {MediaSeparator, "N2", nullptr, ToolIcon::Open},
    {Slot1, "SLOT11", "スロット　１", ToolIcon::Emulator},
    {Slot2, "SLOT21", "スロット　２", ToolIcon::Emulator},
    {Drive1, "DRIVE11", "ドライブ　１", ToolIcon::Emulator},
    {Drive2, "DRIVE21", "ドライブ　２", ToolIcon::Emulator},
    {Tape, "ape1", "テープ", ToolIcon::Emulator},
    {FileSeparator, "N3", nullptr, ToolIcon::Open},
    {Rename, "Rename1", "名前の変更", ToolIcon::Rename},
    {Move, "MoveFile2", "移動", ToolIcon::Move},
    {Copy, "CopyFile2", "コピー", ToolIcon::Copy},
    {Trash, "DeleteFile2", "ごみ箱に捨てる", ToolIcon::Trash},
    {JoinSeparator, "N4", nullptr, ToolIcon::Open},
    {Join, "Combine1", "ファイルの結合", ToolIcon::Join},
};

constexpr bool eachRowAtItsPosition() {
  for (std::size_t i = 0; i < std::size(kItems); ++i) {
    if (static_cast<std::size_t>(kItems[i].item) != i) {
      return false;
    }
  }
  return std::size(kItems) == kListMenuItemCount;
}
static_assert(eachRowAtItsPosition(), "one row per list menu item, in the menu's order");

}  // namespace

ListMenu buildListMenu(QWidget* parent) {
  ListMenu list;
  list.menu = new QMenu(parent);
  list.menu->setObjectName(QStringLiteral("PopupMenulist"));
  for (const Item& row : kItems) {
    QAction* action = row.caption == nullptr ? list.menu->addSeparator()
                                             : list.menu->addAction(toolIcon(row.icon),
                                                                    QString::fromUtf8(row.caption));
    action->setObjectName(QLatin1String(row.name));
    list.items[row.item] = action;
  }
  list.romSeparator = list.menu->addSeparator();
  list.romSeparator->setObjectName(QStringLiteral("N5"));
  list.romInformation = list.menu->addAction(toolIcon(ToolIcon::About), QStringLiteral("ROM 情報"));
  list.romInformation->setObjectName(QStringLiteral("RomInformation1"));
  return list;
}

}  // namespace vorlent
