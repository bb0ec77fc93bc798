#pragma once

#include <QDir>
#include <QString>
#include <string>

#include "ui/QtText.h"

namespace vorlent::testing {

// A path as the program holds and shows it: with the system's own separators ("\" on Windows),
// where Qt's own paths have "/".
inline std::string corePath(const QString& path) { return toCore(QDir::toNativeSeparators(path)); }
inline QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace vorlent::testing
