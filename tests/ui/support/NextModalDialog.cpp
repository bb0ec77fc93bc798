#include "NextModalDialog.h"

#include <QApplication>

namespace vorlent::testing {

NextModalDialog::NextModalDialog(std::function<void(QDialog&)> action)
    : action_(std::move(action)) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

void NextModalDialog::poll() {
  auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  if (dialog == nullptr || !dialog->isVisible() || acted_) {
    return;
  }
  acted_ = true;
  timer_.stop();
  action_(*dialog);
}

}  // namespace vorlent::testing
