// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/WindowStyle.h"

#include "ui/look/Icons.h"

namespace vorlent {

WindowStyle::WindowStyle(QStyle* base) : QProxyStyle(base) {}

QIcon WindowStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                const QWidget* widget) const {
  switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
      return moreItemsIcon(Qt::Horizontal);
    case SP_ToolBarVerticalExtensionButton:
      return moreItemsIcon(Qt::Vertical);
    default:
      return QProxyStyle::standardIcon(standardIcon, option, widget);
  }
}

}  // namespace vorlent
