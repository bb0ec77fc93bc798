// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QDialog;
class QMessageBox;

namespace vorlent {

// Runs the main window's modal windows: its message boxes and questions, its dialogs and its
// text prompt. The program runs them in Qt's modal loop; window tests answer them in its place
// and keep what was shown.
class ModalPresenter {
 public:
  virtual ~ModalPresenter() = default;

  // Shows the box over its owner until it is answered. Afterwards the box's clickedButton() is
  // the button that answered it (none when it was closed otherwise), and its checkBox() holds
  // its state.
  virtual void ask(QMessageBox& box) = 0;
  // Runs the dialog until it closes and returns its result code.
  virtual int run(QDialog& dialog) = 0;
};

// Qt's own modal loop, exec().
std::unique_ptr<ModalPresenter> makeQtModalPresenter();

}  // namespace vorlent
