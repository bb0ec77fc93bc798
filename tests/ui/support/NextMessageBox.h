#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <optional>

namespace vorlent::testing {

// What a modal message box showed.
struct SeenMessageBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttonCount = 0;
  QString buttonText;
};

// Watches for the next modal message box, records what it shows and closes it with its one
// button, as a user reading it would.
class NextMessageBox {
 public:
  NextMessageBox();

  const std::optional<SeenMessageBox>& seen() const { return seen_; }

 private:
  void poll();

  QTimer timer_;
  std::optional<SeenMessageBox> seen_;
};

}  // namespace vorlent::testing
