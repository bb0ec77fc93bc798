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

// Watches for the next modal message box, records what it shows and closes it with the given
// button (its first button by default), as a user reading it would. Several watchers answer
// the boxes that come up in the order in which the watchers were made.
class NextMessageBox {
 public:
  explicit NextMessageBox(QMessageBox::StandardButton answer = QMessageBox::NoButton);
  ~NextMessageBox();
  NextMessageBox(const NextMessageBox&) = delete;
  NextMessageBox& operator=(const NextMessageBox&) = delete;

  const std::optional<SeenMessageBox>& seen() const { return seen_; }

 private:
  void poll();

  QMessageBox::StandardButton answer_;
  QTimer timer_;
  std::optional<SeenMessageBox> seen_;
};

}  // namespace vorlent::testing
