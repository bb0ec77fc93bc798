// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtBusyIndicator.h"

#include <QCursor>
#include <QGuiApplication>

namespace vorlent {

void QtBusyIndicator::begin() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void QtBusyIndicator::end() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace vorlent
