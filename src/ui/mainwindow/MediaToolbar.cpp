// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/MediaToolbar.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "ui/look/Icons.h"

namespace vorlent {

namespace {

QAction* menuItem(QMenu* menu, const char* objectName, const QString& caption = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(objectName));
  return action;
}

QAction* ejectItem(QMenu* menu, const char* objectName) {
  QAction* action = menuItem(menu, objectName, QStringLiteral("解除"));
  action->setIcon(mediaIcon(5));
  action->setEnabled(false);
  return action;
}

QToolButton* dropDownButton(QToolBar* bar, const char* objectName, const QString& caption, int icon,
                            QMenu* menu) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QLatin1String(objectName));
  button->setText(caption);
  button->setIcon(mediaIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setCursor(Qt::PointingHandCursor);
  button->setAutoRaise(true);
  if (menu != nullptr) {
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
  }
  bar->addWidget(button);
  return button;
}

QMenu* popup(QWidget* parent, const char* objectName) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QLatin1String(objectName));
  return menu;
}

SlotControls slotControls(QToolBar* bar, int slot) {
  static const char* const kMapperNames[2][11] = {
      {"m0", "m1", "m2", "m3", "m4", "m5", "ASCII8kB8kbSram1", "ASCII16kB2kbSRAM1", "N81", "N91",
       "N101"},
      {"m20", "m21", "m22", "m23", "m24", "m25", "ASCII8kB8kbSRAM2", "ASCII16kB2kbSRAM2", "N82",
       "N92", "N102"}};
  const bool first = slot == 0;
  SlotControls c;
  c.menu = popup(bar, first ? "mapper1" : "mapper2");
  c.nameItem = menuItem(c.menu, first ? "rom1name" : "rom2name");
  c.menu->addSeparator();
  c.mapperGroup = new QActionGroup(c.menu);
  c.mapperGroup->setExclusive(true);
  for (int type = 0; type < 11; ++type) {
    QAction* item = menuItem(c.menu, kMapperNames[slot][type]);
    item->setCheckable(true);
    item->setIcon(mediaIcon(type + 7));
    c.mapperGroup->addAction(item);
    c.mapperItems[static_cast<std::size_t>(type)] = item;
  }
  c.menu->addSeparator();
  c.ejectItem = ejectItem(c.menu, first ? "EJECT1" : "eject2");
  c.menu->addSeparator();
  c.identifyItem = menuItem(c.menu, first ? "DbIdentify1" : "DbIdentify2",
                            QStringLiteral("データベースで判別(&D)"));
  c.identifyItem->setEnabled(false);
  c.button = dropDownButton(bar, first ? "cart1" : "cart2",
                            first ? QStringLiteral("スロット　１") : QStringLiteral("スロット　２"),
                            0, c.menu);
  return c;
}

DriveControls driveControls(QToolBar* bar, int drive) {
  const bool first = drive == 0;
  DriveControls c;
  c.menu = popup(bar, first ? "ddd1" : "ddd2");
  c.nameItem = menuItem(c.menu, first ? "dsk1name" : "dsk2name");
  c.menu->addSeparator();
  if (first) {
    c.pcDriveItem = menuItem(c.menu, "ADrive1", QStringLiteral("マウント A:"));
    c.pcDriveItem->setIcon(mediaIcon(18));
    c.menu->addSeparator();
  }
  c.ejectItem = ejectItem(c.menu, first ? "eject3" : "eject4");

  c.diskList = popup(bar, first ? "dblist1" : "dblist2");
  for (int i = 0; i < 9; ++i) {
    const QString name =
        first ? QStringLiteral("db%1").arg(i + 1) : QStringLiteral("db2%1").arg(i + 1);
    QAction* item = c.diskList->addAction(QString());
    item->setObjectName(name);
    item->setVisible(false);
    c.diskItems[static_cast<std::size_t>(i)] = item;
  }
  c.diskList->addSeparator();
  c.resetItem = menuItem(c.diskList, first ? "Reset1" : "Reset2", QStringLiteral("リセット"));
  c.resetItem->setIcon(mediaIcon(5));

  c.button = dropDownButton(bar, first ? "dsk1" : "dsk2",
                            first ? QStringLiteral("ドライブ　１") : QStringLiteral("ドライブ　２"),
                            1, c.menu);
  c.button->setContextMenuPolicy(Qt::CustomContextMenu);
  return c;
}

}  // namespace

MediaToolbar buildMediaToolbar(QWidget* parent) {
  MediaToolbar t;
  t.bar = new QToolBar(QStringLiteral("イメージ操作"), parent);
  t.bar->setObjectName(QStringLiteral("ToolBar3"));
  t.bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  t.bar->setIconSize(QSize(16, 16));
  t.cartridgeSlots[0] = slotControls(t.bar, 0);
  t.cartridgeSlots[1] = slotControls(t.bar, 1);
  t.drives[0] = driveControls(t.bar, 0);
  t.drives[1] = driveControls(t.bar, 1);

  t.tape.menu = popup(t.bar, "ttt1");
  t.tape.nameItem = menuItem(t.tape.menu, "tape1name");
  t.tape.menu->addSeparator();
  t.tape.ejectItem = ejectItem(t.tape.menu, "eject5");
  t.tape.button = dropDownButton(t.bar, "Tape", QStringLiteral("テープ"), 3, t.tape.menu);

  t.ejectAll = dropDownButton(t.bar, "ToolButton8", QStringLiteral("全部解除"), 5, nullptr);
  return t;
}

}  // namespace vorlent
