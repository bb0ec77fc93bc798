#include "ui/ShownText.h"

#include <QTextDocument>

#include "ui/QtText.h"

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

}  // namespace vorlent
