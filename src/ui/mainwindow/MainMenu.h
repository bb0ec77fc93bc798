// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace vorlent {

// The main window's menu bar items, by the command each runs.
struct MainMenu {
  QAction* newFile = nullptr;
  QAction* newFolder = nullptr;
  QAction* openFile = nullptr;
  QAction* openFolder = nullptr;
  QAction* close = nullptr;
  QAction* move = nullptr;
  QAction* copy = nullptr;
  QAction* rename = nullptr;
  QAction* join = nullptr;
  QAction* trash = nullptr;
  QAction* bigIcons = nullptr;
  QAction* smallIcons = nullptr;
  QAction* listView = nullptr;
  QAction* details = nullptr;
  QAction* refresh = nullptr;
  QAction* editBrmsx = nullptr;
  QAction* editFmsx = nullptr;
  QAction* locateBrmsx = nullptr;
  QAction* locateFmsx = nullptr;
  QAction* switchToBrmsx = nullptr;
  QAction* switchToFmsx = nullptr;
  QAction* runCurrent = nullptr;
  QAction* about = nullptr;
  QAction* help = nullptr;
  QAction* homePage = nullptr;
  QMenu* debugMenu = nullptr;
  QAction* saveConfig = nullptr;
  QAction* loadConfig = nullptr;
  QAction* getExeFiles = nullptr;
  QAction* saveCfgFile = nullptr;
  QAction* testRunFmsx = nullptr;
  QAction* countObjects = nullptr;
  QAction* driveSize = nullptr;
  QAction* makeListView = nullptr;
  QAction* getDrives = nullptr;
  QAction* customSort = nullptr;
};

// Fills the menu bar with every menu and item, captions and shortcuts as the user sees them.
// The "Debug(&D)" menu is built but never visible nor enabled.
MainMenu buildMainMenu(QMenuBar& bar);

}  // namespace vorlent
