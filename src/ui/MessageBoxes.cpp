#include "ui/MessageBoxes.h"

#include <QMessageBox>

#include "ui/QtText.h"

namespace vorlent {

namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

void showBox(QWidget* parent, QMessageBox::Icon icon, std::string_view caption,
             const QString& text) {
  QMessageBox box(icon, toQt(caption), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

void showMessageBox(QWidget* parent, MessageKind kind, const QString& text) {
  showBox(parent, iconOf(kind), messageBoxCaption(kind), text);
}

void showErrorReport(QWidget* parent, std::string_view failureText) {
  showBox(parent, QMessageBox::Critical, kApplicationTitle, toQt(errorReportText(failureText)));
}

}  // namespace vorlent
