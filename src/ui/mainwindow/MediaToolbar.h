// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace vorlent {

// One cartridge slot's button and menu `mapper1` / `mapper2`.
struct SlotControls {
  QToolButton* button = nullptr;  // cart1, cart2
  QMenu* menu = nullptr;
  QAction* nameItem = nullptr;  // rom1name, rom2name
  QActionGroup* mapperGroup = nullptr;
  std::array<QAction*, 11> mapperItems{};  // types 0 to 10
  QAction* ejectItem = nullptr;            // EJECT1, eject2
  QAction* identifyItem = nullptr;         // DbIdentify1, DbIdentify2: after a separator
};

// One disk drive's button, its menu `ddd1` / `ddd2` and its disk list `dblist1` / `dblist2`.
struct DriveControls {
  QToolButton* button = nullptr;  // dsk1, dsk2
  QMenu* menu = nullptr;
  QAction* nameItem = nullptr;     // dsk1name, dsk2name
  QAction* pcDriveItem = nullptr;  // ADrive1 on drive 1 only
  QAction* ejectItem = nullptr;
  QMenu* diskList = nullptr;
  std::array<QAction*, 9> diskItems{};  // db1 to db9, db21 to db29
  QAction* resetItem = nullptr;         // Reset1, Reset2
};

struct TapeControls {
  QToolButton* button = nullptr;  // Tape
  QMenu* menu = nullptr;          // ttt1
  QAction* nameItem = nullptr;    // tape1name
  QAction* ejectItem = nullptr;
};

// The media toolbar `ToolBar3` of the band "イメージ操作".
struct MediaToolbar {
  QToolBar* bar = nullptr;
  std::array<SlotControls, 2> cartridgeSlots;
  std::array<DriveControls, 2> drives;
  TapeControls tape;
  QToolButton* ejectAll = nullptr;  // ToolButton8
};

MediaToolbar buildMediaToolbar(QWidget* parent);

}  // namespace vorlent
