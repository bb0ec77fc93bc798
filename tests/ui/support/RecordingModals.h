// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "ui/qt/MainWindowServices.h"
#include "ui/qt/ModalPresenter.h"

class QDialog;
class QWidget;

namespace vorlent::testing {

// What a message box showed, its captions as drawn.
struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat textFormat = Qt::AutoText;
  // In the box's own order; the first one answers a box nobody planned for.
  QStringList buttons;
  // Empty when the box leaves the choice to Qt.
  QString defaultButton;
  // Empty when the box has none.
  QString checkBox;
  QString objectName;
  const QWidget* owner = nullptr;
};

// How a test answers the next box: a standard button, or a button by its drawn caption, and
// whether it ticks the box's check box first. The default presses the box's first button;
// closing() closes the box without pressing any of its buttons.
struct BoxAnswer {
  BoxAnswer() = default;
  // Implicit, so that planned answers read {QMessageBox::Ok, QMessageBox::No}.
  BoxAnswer(QMessageBox::StandardButton standard) : button(standard) {}
  explicit BoxAnswer(QString drawnCaption, bool tick = false)
      : caption(std::move(drawnCaption)), check(tick) {}
  static BoxAnswer closing() {
    BoxAnswer answer;
    answer.close = true;
    return answer;
  }

  QMessageBox::StandardButton button = QMessageBox::NoButton;
  QString caption;
  bool check = false;
  bool close = false;
};

// Answers the window's boxes and dialogs as a user would, without a modal loop, and keeps what
// was shown. Boxes take the planned answers in order, then `unplanned`; dialogs take the planned
// actions in order, then are rejected as Escape rejects them.
class RecordingModals final : public ModalPresenter {
 public:
  void ask(QMessageBox& box) override;
  int run(QDialog& dialog) override;

  std::deque<BoxAnswer> answers;
  BoxAnswer unplanned;
  // Each acts on a dialog shown as exec() shows it; it must close the dialog, or the dialog is
  // rejected and counted in `leftOpen`.
  std::deque<std::function<void(QDialog&)>> actions;
  // Looks at every box and dialog while it is shown, before it is answered.
  std::function<void(QDialog&)> whileShown;

  std::vector<ShownBox> boxes;
  // The object names of the dialogs run, in order.
  QStringList dialogs;
  int leftOpen = 0;
};

// A user who acts once on a dialog that a test runs in place of its exec().
class DialogUser {
 public:
  explicit DialogUser(std::function<void(QDialog&)> action) {
    modals_.actions.push_back(std::move(action));
  }

  // Shows the dialog as exec() shows it and lets the user act; returns the dialog's result, or
  // -1 when the action left it open.
  int run(QDialog& dialog) {
    const int result = modals_.run(dialog);
    return modals_.leftOpen == 0 ? result : -1;
  }
  bool acted() const { return modals_.actions.empty(); }

 private:
  RecordingModals modals_;
};

// Puts a recorder in place of the window's modal loop; the window that takes the services owns
// it.
RecordingModals& recordModals(MainWindowServices& services);

}  // namespace vorlent::testing
