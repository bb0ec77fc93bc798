#include "NextMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <algorithm>
#include <vector>

namespace vorlent::testing {

namespace {

// Watchers that have not seen their box yet, oldest first.
std::vector<NextMessageBox*>& waiting() {
  static std::vector<NextMessageBox*> watchers;
  return watchers;
}

void forget(NextMessageBox* watcher) {
  auto& watchers = waiting();
  watchers.erase(std::remove(watchers.begin(), watchers.end(), watcher), watchers.end());
}

}  // namespace

NextMessageBox::NextMessageBox(QMessageBox::StandardButton answer) : answer_(answer) {
  waiting().push_back(this);
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
  timer_.start();
}

NextMessageBox::~NextMessageBox() { forget(this); }

void NextMessageBox::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || seen_ || waiting().empty() || waiting().front() != this ||
      box->property("answered").toBool()) {
    return;
  }
  box->setProperty("answered", true);
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
  forget(this);
  QAbstractButton* press = answer_ == QMessageBox::NoButton ? nullptr : box->button(answer_);
  if (press == nullptr && !buttons.isEmpty()) {
    press = buttons.front();
  }
  if (press != nullptr) {
    press->click();
  } else {
    box->reject();
  }
}

}  // namespace vorlent::testing
