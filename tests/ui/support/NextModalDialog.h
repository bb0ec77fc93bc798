#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

namespace vorlent::testing {

// Waits for the next modal dialog and acts on it once, as a user would; the action must end
// with something that closes the dialog, or exec() does not return.
class NextModalDialog {
 public:
  explicit NextModalDialog(std::function<void(QDialog&)> action);

  bool acted() const { return acted_; }

 private:
  void poll();

  std::function<void(QDialog&)> action_;
  QTimer timer_;
  bool acted_ = false;
};

}  // namespace vorlent::testing
