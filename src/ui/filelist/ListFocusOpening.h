// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace vorlent {

// Opens the file list's entry when the keyboard moves the focus into the list from another
// control of its window: by Tab or Shift+Tab. Focus that comes with a mouse press on the list,
// or back from the menu bar, a popup, a closed dialog or box, another window or the application
// becoming active, opens nothing.
class ListFocusOpening final : public QObject {
 public:
  // Watches the views of the list inside the window; `open` opens the entry.
  ListFocusOpening(QWidget& window, std::vector<QWidget*> views, std::function<void()> open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isOtherControl(const QWidget* widget) const;

  QWidget& window_;
  std::vector<QWidget*> views_;
  std::function<void()> open_;
  // The widget that held the focus before the one that holds it now.
  QPointer<QWidget> focused_;
};

}  // namespace vorlent
