#include "NextMessageBox.h"

#include <QAbstractButton>
#include <QApplication>

namespace vorlent::testing {

NextMessageBox::NextMessageBox() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

void NextMessageBox::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || seen_) {
    return;
  }
  SeenMessageBox seen;
  seen.title = box->windowTitle();
  seen.text = box->text();
  seen.icon = box->icon();
  const auto buttons = box->buttons();
  seen.buttonCount = static_cast<int>(buttons.size());
  if (!buttons.isEmpty()) {
    seen.buttonText = buttons.front()->text();
  }
  seen_ = seen;
  timer_.stop();
  if (!buttons.isEmpty()) {
    buttons.front()->click();
  } else {
    box->reject();
  }
}

}  // namespace vorlent::testing
