#include "ui/MessageBoxes.h"

#include <QMessageBox>

#include "ui/BoxCaptionRoom.h"
#include "ui/ModalPresenter.h"
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

void showBox(ModalPresenter& presenter, QWidget* parent, QMessageBox::Icon icon,
             std::string_view caption, const QString& text) {
  QMessageBox box(icon, toQt(caption), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  leaveRoomForCaption(box);
  presenter.ask(box);
}

}  // namespace

void showMessageBox(ModalPresenter& presenter, QWidget* parent, MessageKind kind,
                    const QString& text) {
  showBox(presenter, parent, iconOf(kind), messageBoxCaption(kind), text);
}

void showErrorReport(ModalPresenter& presenter, QWidget* parent, std::string_view failureText) {
  showBox(presenter, parent, QMessageBox::Critical, kApplicationTitle,
          toQt(errorReportText(failureText)));
}

}  // namespace vorlent
