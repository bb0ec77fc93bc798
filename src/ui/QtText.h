#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vorlent {

// The core's text is UTF-8; these are the only crossings between it and Qt's strings.
inline QString toQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toCore(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace vorlent
