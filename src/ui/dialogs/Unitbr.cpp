// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/Unitbr.h"

#include <QMenuBar>

#include "launch/BrmsxOptionDialogTable.h"

namespace vorlent {

TFormBR::TFormBR(BrmsxOptions& options, QWidget* parent)
    : OptionDialog(brmsxOptionDialogTable(), options, parent) {
  setObjectName(QStringLiteral("FormBR"));
  auto* menuBar = new QMenuBar(this);
  menuBar->setNativeMenuBar(false);
  QMenu* file = menuBar->addMenu(QStringLiteral("ファイル(&F)"));
  file->setObjectName(QStringLiteral("File1"));
  QAction* close = file->addAction(QStringLiteral("閉じる(&C)"));
  close->setObjectName(QStringLiteral("Close1"));
  connect(close, &QAction::triggered, this, &TFormBR::BitBtn3Click);
  setMenuBarAbove(menuBar);
}

}  // namespace vorlent
