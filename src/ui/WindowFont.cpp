#include "ui/WindowFont.h"

#include <QStringList>

namespace vorlent {

QFont windowFont(int pixelSize) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                    QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                    QStringLiteral("sans-serif")});
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace vorlent
