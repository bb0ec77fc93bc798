// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/ShownText.h"

#include <QTextDocument>

#include "ui/look/QtText.h"

namespace vorlent {

QString literalCaption(std::string_view text) { return literalCaption(toQt(text)); }

QString literalCaption(const QString& text) {
  QString doubled = text;
  return doubled.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString plainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) {
    return text;
  }
  return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

QString wrappableText(const QString& text) {
  // About the width of a narrow box.
  constexpr qsizetype kLongestRun = 40;
  QString wrappable;
  qsizetype run = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    run = text[i].isSpace() ? 0 : run + 1;
    if (run > kLongestRun && !text[i].isLowSurrogate() && !text[i].isMark()) {
      wrappable += QChar(0x200B);
    }
    wrappable += text[i];
  }
  return wrappable;
}

}  // namespace vorlent
