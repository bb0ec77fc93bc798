// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/ControlCharacters.h"

namespace vorlent {

// The core's text is UTF-8; these are the only crossings between it and Qt's strings.
inline QString toQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toCore(const QString& text) { return text.toUtf8().toStdString(); }

// A name, a path or a title from outside, as a person may be shown it (withControlsMarked).
inline QString shownToQt(std::string_view text) { return toQt(withControlsMarked(text)); }

// A text the user was shown as a path (or name) and may have kept or extended. A name that is
// no valid UTF-8 cannot come back through a QString, so where the text is still the path as
// shown, or begins with it followed by a delimiter, those bytes are the path's own.
inline std::string toCoreKeeping(const QString& text, std::string_view shownPath) {
  const QString shown = toQt(shownPath);
  if (text == shown) {
    return std::string(shownPath);
  }
  const auto isDelimiter = [](QChar c) { return c == u'/' || c == u'\\'; };
  if (!shown.isEmpty() && text.startsWith(shown) &&
      (isDelimiter(shown.back()) || isDelimiter(text.at(shown.size())))) {
    return std::string(shownPath) + toCore(text.mid(shown.size()));
  }
  return toCore(text);
}

}  // namespace vorlent
