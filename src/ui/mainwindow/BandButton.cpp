// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/BandButton.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

#include "ui/look/WindowFont.h"

namespace vorlent {

QToolButton* bandButton(QToolBar* bar, const QString& objectName, const QString& caption,
                        const QIcon& icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(objectName);
  button->setText(caption);
  button->setIcon(icon);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setFixedSize(41, 35);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  // Icon and caption have to share 35 pixels of height.
  button->setFont(windowFont(10));
  button->setProperty("bandAction", QVariant::fromValue(bar->addWidget(button)));
  return button;
}

QAction* bandAction(QToolButton* button) {
  return button->property("bandAction").value<QAction*>();
}

}  // namespace vorlent
