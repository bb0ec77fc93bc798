// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;

namespace vorlent {

// A radio menu whose checked item's position is a field's value.
struct RadioMenu {
  QMenu* menu = nullptr;
  QActionGroup* group = nullptr;
  std::vector<QAction*> items;
};

// The buttons on one emulator's tab, in their order there.
struct EmulatorPage {
  QToolButton* executable = nullptr;
  QToolButton* system = nullptr;
  QToolButton* resolution = nullptr;
  QToolButton* edit = nullptr;
  QToolButton* check = nullptr;
  QToolButton* run = nullptr;
};

// The emulator tabs `PageControl1` with the toolbar of each emulator.
struct EmulatorTabs {
  QTabWidget* pageControl = nullptr;

  EmulatorPage brmsx;  // ToolButton17, ToolButton28, ToolButton25, ToolButton2, 29 and 9
  EmulatorPage fmsx;   // exef, ToolButton27, ToolButton24, Editf, ToolButton3, runf

  QToolButton* palamsxExecutable = nullptr;  // ToolButton19, on the hidden tab

  RadioMenu fmsxModels;        // PopupMenu2
  RadioMenu brmsxModels;       // PopupMenu3
  RadioMenu fmsxResolutions;   // PopupMenu5
  RadioMenu brmsxResolutions;  // PopupMenu6
};

EmulatorTabs buildEmulatorTabs(QWidget* parent);

}  // namespace vorlent
