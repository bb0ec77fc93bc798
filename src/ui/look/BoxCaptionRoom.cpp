// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/BoxCaptionRoom.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <algorithm>

namespace vorlent {

namespace {

// The title bar's icon, close button and frame beside the caption's text.
constexpr int kTitleBarRoom = 128;

}  // namespace

void leaveRoomForCaption(QDialog& dialog) {
  // The title bar's face is the system's; neither it nor the dialog's own may be the narrower.
  const int caption = std::max(QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                   .horizontalAdvance(dialog.windowTitle()),
                               dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
  const int width = caption + kTitleBarRoom;
  // A dialog whose layout fixes its size takes the layout's minimum width, which a spacer of
  // this width raises; one without a layout keeps a minimum width of its own.
  // Qt's input dialog builds its layout only when first asked for its size.
  dialog.minimumSizeHint();
  auto* spacer = new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
    grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
  } else if (auto* column = qobject_cast<QBoxLayout*>(dialog.layout())) {
    column->addSpacerItem(spacer);
  } else {
    delete spacer;
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
  }
}

}  // namespace vorlent
