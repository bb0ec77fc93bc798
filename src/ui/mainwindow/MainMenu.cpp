// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <utility>

#include "ui/look/Icons.h"

namespace vorlent {

namespace {

QAction* item(QMenu* menu, const char* objectName, const QString& caption,
              const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(objectName));
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  return action;
}

}  // namespace

MainMenu buildMainMenu(QMenuBar& bar) {
  MainMenu m;

  QMenu* file = bar.addMenu(QStringLiteral("ファイル(&F)"));
  m.newFile = item(file, "Newfile", QStringLiteral("新規ファイル作成(&F)"));
  m.newFolder = item(file, "Newdir", QStringLiteral("新規フォルダ作成(&N)"));
  file->addSeparator();
  m.openFile = item(file, "OpenFile1", QStringLiteral("ファイルを開く(&O)"));
  m.openFolder = item(file, "OpenDirectory1", QStringLiteral("フォルダを開く(&D)"));
  file->addSeparator();
  m.close = item(file, "Closet", QStringLiteral("閉じる(&C)"), QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = bar.addMenu(QStringLiteral("編集(&E)"));
  m.move = item(edit, "FileMove1", QStringLiteral("移動(&M)"), QKeySequence(Qt::CTRL | Qt::Key_M));
  m.copy =
      item(edit, "FileCopy1", QStringLiteral("コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
  m.rename = item(edit, "RenameFile1", QStringLiteral("名前の変更(&R)"), QKeySequence(Qt::Key_F2));
  edit->addSeparator();
  m.join =
      item(edit, "Join1", QStringLiteral("ファイルの結合(&O)"), QKeySequence(Qt::CTRL | Qt::Key_P));
  edit->addSeparator();
  m.trash =
      item(edit, "DeleteFile1", QStringLiteral("ごみ箱に捨てる(&D)"), QKeySequence(Qt::Key_Delete));

  QMenu* view = bar.addMenu(QStringLiteral("表示(&V)"));
  m.bigIcons = item(view, "BigIcon1", QStringLiteral("大きいアイコン(&G)"));
  m.smallIcons = item(view, "SmallIcon1", QStringLiteral("小さいアイコン(&M))"));
  m.listView = item(view, "List1", QStringLiteral("一覧表示 (&L)"));
  m.details = item(view, "Report1", QStringLiteral("詳細表示 (&D)"));
  view->addSeparator();
  m.refresh = item(view, "InformationNew1", QStringLiteral("最新の情報に更新 (&R)"));

  QMenu* run = bar.addMenu(QStringLiteral("実行(&R)"));
  m.editBrmsx = item(run, "EditBrmsx1", QStringLiteral("編集（BrMSX）(&B)"));
  m.editFmsx = item(run, "EditFmsx1", QStringLiteral("編集(&fMSX MS-DOS)(&F)"));
  run->addSeparator();
  QMenu* folders = run->addMenu(QStringLiteral("実行ファイルのディレクトリ(&W)"));
  m.locateBrmsx = item(folders, "brmsxexe1", QStringLiteral("brmsx.exe(&B)"));
  m.locateFmsx = item(folders, "fmsxdosexe1", QStringLiteral("fmsx-dos.exe(&F)"));
  QMenu* modes = run->addMenu(QStringLiteral("モード切替え(&M)"));
  m.switchToBrmsx =
      item(modes, "BRMSX261", QStringLiteral("BRMSX 2.6(&B)"), QKeySequence(Qt::Key_F9));
  m.switchToFmsx =
      item(modes, "fMSXMSDOS1", QStringLiteral("fMSX MS-DOS(&F)"), QKeySequence(Qt::Key_F10));
  run->addSeparator();
  m.runCurrent = item(run, "RunB1", QStringLiteral("実行する(&R)"), QKeySequence(Qt::Key_F5));

  QMenu* help = bar.addMenu(QStringLiteral("ヘルプ(&H)"));
  m.about = item(help, "Info1", QStringLiteral("バージョン情報(&I)"));
  help->addSeparator();
  m.help = item(help, "Help2", QStringLiteral("ヘルプの表示(&H)"));
  m.homePage = item(help, "HomePage1", QStringLiteral("ホームページへ(&P)"));

  m.debugMenu = bar.addMenu(QStringLiteral("Debug(&D)"));
  m.debugMenu->setObjectName(QStringLiteral("Debug1"));
  m.saveConfig = item(m.debugMenu, "SaveConfig1", QStringLiteral("Save Config(S)"));
  m.loadConfig = item(m.debugMenu, "LoadConfig1", QStringLiteral("Load Config(&L)"));
  m.debugMenu->addSeparator();
  m.getExeFiles = item(m.debugMenu, "GetfMSXDOSexe1", QStringLiteral("Get ExeFiles(&G)"));
  m.debugMenu->addSeparator();
  m.saveCfgFile = item(m.debugMenu, "SaveCfgFile1", QStringLiteral("Save CfgFile"));
  m.testRunFmsx = item(m.debugMenu, "testrunf1", QStringLiteral("testrunf"));
  m.debugMenu->addSeparator();
  m.countObjects = item(m.debugMenu, "CountOBJ1", QStringLiteral("CountOBJ"));
  m.driveSize = item(m.debugMenu, "DriveSize1", QStringLiteral("DriveSize"));
  m.makeListView = item(m.debugMenu, "ListviewMake1", QStringLiteral("Get ListView(&M)"));
  m.getDrives = item(m.debugMenu, "GetDrive1", QStringLiteral("Get Drive(&D)"));
  m.debugMenu->addSeparator();
  m.customSort = item(m.debugMenu, "CustomSort1", QStringLiteral("CustomSort"));
  const std::pair<QAction*, ToolIcon> icons[] = {
      {m.newFile, ToolIcon::NewFile},
      {m.newFolder, ToolIcon::NewFolder},
      {m.openFile, ToolIcon::Open},
      {m.openFolder, ToolIcon::Folder},
      {m.close, ToolIcon::Eject},
      {m.move, ToolIcon::Move},
      {m.copy, ToolIcon::Copy},
      {m.rename, ToolIcon::Rename},
      {m.join, ToolIcon::Join},
      {m.trash, ToolIcon::Trash},
      {m.bigIcons, ToolIcon::BigIcons},
      {m.smallIcons, ToolIcon::SmallIcons},
      {m.listView, ToolIcon::List},
      {m.details, ToolIcon::Report},
      {m.refresh, ToolIcon::Refresh},
      {m.editBrmsx, ToolIcon::Edit},
      {m.editFmsx, ToolIcon::Edit},
      {m.locateBrmsx, ToolIcon::Known},
      {m.locateFmsx, ToolIcon::Known},
      {m.switchToBrmsx, ToolIcon::Emulator},
      {m.switchToFmsx, ToolIcon::Emulator},
      {m.runCurrent, ToolIcon::Run},
      {m.about, ToolIcon::About},
      {m.help, ToolIcon::Help},
      {m.homePage, ToolIcon::HomePage},
  };
  for (const auto& [action, icon] : icons) {
    action->setIcon(toolIcon(icon));
  }
  folders->setIcon(toolIcon(ToolIcon::Folder));
  modes->setIcon(toolIcon(ToolIcon::Emulator));

  m.debugMenu->menuAction()->setVisible(false);
  m.debugMenu->menuAction()->setEnabled(false);
  m.debugMenu->setEnabled(false);

  return m;
}

}  // namespace vorlent
