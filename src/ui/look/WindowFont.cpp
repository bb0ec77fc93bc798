// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace vorlent {

namespace {

// The window face first where the system has it; elsewhere the Japanese faces a Linux desktop
// has, so that no text shows as boxes and no lookup for a missing face slows the start.
QStringList windowFamilies() {
  const QString windowFace = QStringLiteral("ＭＳ Ｐゴシック");
  QStringList families = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("sans-serif")};
  if (QFontDatabase::hasFamily(windowFace)) {
    families.prepend(windowFace);
  }
  return families;
}

}  // namespace

QFont windowFont(int pixelSize) {
  static const QStringList families = windowFamilies();
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace vorlent
