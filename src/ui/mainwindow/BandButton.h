// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QToolBar;
class QToolButton;

namespace vorlent {

// A band button of 41 x 35 pixels with its icon above its caption.
QToolButton* bandButton(QToolBar* bar, const QString& objectName, const QString& caption,
                        const QIcon& icon);

// The band's action that shows or hides the button; a toolbar ignores the button's own
// visibility.
QAction* bandAction(QToolButton* button);

}  // namespace vorlent
