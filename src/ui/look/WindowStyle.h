// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace vorlent {

// The application's style with the program's own pictures where the style would read image
// files at start-up: the buttons for the items a band or the menu bar has no room for.
class WindowStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // Takes the base style over, as QProxyStyle does.
  explicit WindowStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace vorlent
