// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>
#include <string>

#include "platform/ShortPaths.h"
#include "ui/look/QtText.h"

namespace vorlent::testing {

// A path as the program holds and shows it: with the system's own separators ("\" on Windows),
// where Qt's own paths have "/".
inline std::string corePath(const QString& path) { return toCore(QDir::toNativeSeparators(path)); }
inline QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }
// A medium or an emulator chosen in the window, as the program stores it: in its short form
// (8.3 on Windows).
inline std::string storedPath(const QString& path) {
  return makeShortPaths()->shortForm(corePath(path)).value_or(std::string());
}

}  // namespace vorlent::testing
