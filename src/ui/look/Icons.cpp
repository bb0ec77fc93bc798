// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/Icons.h"

#include <QHash>
#include <array>

#include "browser/FileListIconNumbers.h"
#include "ui/look/PngIconEngine.h"

namespace vorlent {

namespace {

// Icons are loaded once; QIcon shares its data, so handing out copies is cheap.
QIcon cached(const QString& resource) {
  static QHash<QString, QIcon> icons;
  auto it = icons.find(resource);
  if (it == icons.end()) {
    it = icons.insert(resource, QIcon(new PngIconEngine(resource)));
  }
  return *it;
}

}  // namespace

QIcon toolIcon(ToolIcon icon) {
  static constexpr std::array<const char*, 26> kNames = {
      "unknown",  "known",      "system", "resolution", "edit", "check",  "run",
      "emulator", "folder",     "big",    "small",      "list", "report", "eject",
      "new-file", "new-folder", "open",   "rename",     "move", "copy",   "join",
      "trash",    "refresh",    "about",  "help",       "home"};
  return cached(QStringLiteral(":/icons/tools/%1")
                    .arg(QLatin1String(kNames[static_cast<std::size_t>(icon)])));
}

QIcon mediaIcon(int index) {
  if (index < 0 || index >= kFileListIconCount) {
    return {};
  }
  return cached(QStringLiteral(":/icons/media/%1").arg(index));
}

QIcon fileListIcon(int index) {
  if (index < 0 || index >= kFileListIconCount) {
    return {};
  }
  return cached(QStringLiteral(":/icons/files/%1").arg(index));
}

QIcon driveIcon(DriveType type) {
  // By the drive type's number; the types without a picture of their own show a fixed disk.
  static constexpr const char* kNames[] = {"fixed",  "fixed", "removable", "fixed",
                                           "remote", "cdrom", "ramdisk"};
  const auto number = static_cast<std::size_t>(type);
  const char* name = number < std::size(kNames) ? kNames[number] : "fixed";
  return cached(QStringLiteral(":/icons/drives/%1").arg(QLatin1String(name)));
}

QIcon programIcon() { return cached(QStringLiteral(":/icons/program")); }

QIcon moreItemsIcon(Qt::Orientation orientation) {
  return cached(orientation == Qt::Horizontal ? QStringLiteral(":/icons/tools/more-h")
                                              : QStringLiteral(":/icons/tools/more-v"));
}

}  // namespace vorlent
