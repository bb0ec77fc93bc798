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

// The emulator tabs `PageControl1` with the toolbar of each emulator.
struct EmulatorTabs {
  QTabWidget* pageControl = nullptr;

  QToolButton* brmsxExecutable = nullptr;  // ToolButton17
  QToolButton* brmsxSystem = nullptr;      // ToolButton28
  QToolButton* brmsxResolution = nullptr;  // ToolButton25
  QToolButton* brmsxEdit = nullptr;        // ToolButton2
  QToolButton* brmsxCheck = nullptr;       // ToolButton29
  QToolButton* brmsxRun = nullptr;         // ToolButton9

  QToolButton* fmsxExecutable = nullptr;  // exef
  QToolButton* fmsxSystem = nullptr;      // ToolButton27
  QToolButton* fmsxResolution = nullptr;  // ToolButton24
  QToolButton* fmsxEdit = nullptr;        // Editf
  QToolButton* fmsxCheck = nullptr;       // ToolButton3
  QToolButton* fmsxRun = nullptr;         // runf

  QToolButton* palamsxExecutable = nullptr;  // ToolButton19, on the hidden tab

  RadioMenu fmsxModels;        // PopupMenu2
  RadioMenu brmsxModels;       // PopupMenu3
  RadioMenu fmsxResolutions;   // PopupMenu5
  RadioMenu brmsxResolutions;  // PopupMenu6
};

EmulatorTabs buildEmulatorTabs(QWidget* parent);

}  // namespace vorlent
