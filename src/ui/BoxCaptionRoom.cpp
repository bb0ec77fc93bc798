#include "ui/BoxCaptionRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <algorithm>

namespace vorlent {

namespace {

// The title bar's icon, close button and frame beside the caption's text.
constexpr int kTitleBarRoom = 128;

}  // namespace

void leaveRoomForCaption(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) {
    return;
  }
  // The title bar's face is the system's; neither it nor the box's own may be the narrower.
  const int caption = std::max(QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                   .horizontalAdvance(box.windowTitle()),
                               box.fontMetrics().horizontalAdvance(box.windowTitle()));
  // The box sizes itself to its layout's minimum width, which a spacer of this width raises.
  grid->addItem(
      new QSpacerItem(caption + kTitleBarRoom, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace vorlent
