#include "ui/ListMenu.h"

#include <QAction>
#include <QMenu>

#include "ui/Icons.h"

namespace vorlent {

ListMenu buildListMenu(QWidget* parent) {
  struct Item {
    const char* name;
    const char* caption;  // nullptr for a separator
    ToolIcon icon;
  };
  static const Item kItems[kListMenuItemCount] = {
      {"NewFile1", "新規ファイル作成", ToolIcon::NewFile},
      {"NewDirectory1", "新規フォルダ作成", ToolIcon::NewFolder},
      {"N1", nullptr, ToolIcon::Open},
      {"Open1", "開く", ToolIcon::Open},
      {"OpenWindow1", "ウィンドウ表示する", ToolIcon::Folder},
      {"N2", nullptr, ToolIcon::Open},
      {"SLOT11", "スロット　１", ToolIcon::Emulator},
      {"SLOT21", "スロット　２", ToolIcon::Emulator},
      {"DRIVE11", "ドライブ　１", ToolIcon::Emulator},
      {"DRIVE21", "ドライブ　２", ToolIcon::Emulator},
      {"ape1", "テープ", ToolIcon::Emulator},
      {"N3", nullptr, ToolIcon::Open},
      {"Rename1", "名前の変更", ToolIcon::Rename},
      {"MoveFile2", "移動", ToolIcon::Move},
      {"CopyFile2", "コピー", ToolIcon::Copy},
      {"DeleteFile2", "ごみ箱に捨てる", ToolIcon::Trash},
      {"N4", nullptr, ToolIcon::Open},
      {"Combine1", "ファイルの結合", ToolIcon::Join},
  };
  ListMenu list;
  list.menu = new QMenu(parent);
  list.menu->setObjectName(QStringLiteral("PopupMenulist"));
  for (std::size_t i = 0; i < kListMenuItemCount; ++i) {
    QAction* action =
        kItems[i].caption == nullptr
            ? list.menu->addSeparator()
            : list.menu->addAction(toolIcon(kItems[i].icon), QString::fromUtf8(kItems[i].caption));
    action->setObjectName(QLatin1String(kItems[i].name));
    list.items[i] = action;
  }
  list.romSeparator = list.menu->addSeparator();
  list.romSeparator->setObjectName(QStringLiteral("N5"));
  list.romInformation = list.menu->addAction(toolIcon(ToolIcon::About), QStringLiteral("ROM 情報"));
  list.romInformation->setObjectName(QStringLiteral("RomInformation1"));
  return list;
}

}  // namespace vorlent
