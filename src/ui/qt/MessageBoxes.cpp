// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/MessageBoxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "ui/look/BoxCaptionRoom.h"
#include "ui/look/QtText.h"
#include "ui/qt/ModalPresenter.h"

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

QString japaneseCaption(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return QStringLiteral("はい");
    case QMessageBox::No:
      return QStringLiteral("いいえ");
    case QMessageBox::Cancel:
      return QStringLiteral("キャンセル");
    default:
      break;
  }
  return QStringLiteral("OK");
}

}  // namespace

BoxReply askBox(ModalPresenter& presenter, QWidget* owner, const BoxContent& content) {
  QMessageBox box(content.icon, content.caption, content.text, QMessageBox::NoButton, owner);
  box.setObjectName(content.objectName);
  box.setTextFormat(Qt::PlainText);
  std::vector<BoxButton> buttons = content.buttons;
  if (buttons.empty()) {
    buttons.push_back({QMessageBox::Ok, {}});
  }
  for (const BoxButton& button : buttons) {
    box.addButton(button.button)
        ->setText(button.caption.isEmpty() ? japaneseCaption(button.button) : button.caption);
  }
  box.setDefaultButton(content.defaultButton != QMessageBox::NoButton ? content.defaultButton
                                                                      : buttons.front().button);
  if (!content.checkBox.isEmpty()) {
    box.setCheckBox(new QCheckBox(content.checkBox, &box));
  }
  keepBoxRules(box);
  presenter.ask(box);
  return {box.standardButton(box.clickedButton()),
          box.checkBox() != nullptr && box.checkBox()->isChecked()};
}

void keepBoxRules(QDialog& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
  }
  leaveRoomForCaption(dialog);
}

void showMessageBox(ModalPresenter& presenter, QWidget* parent, MessageKind kind,
                    const QString& text) {
  askBox(presenter, parent, {iconOf(kind), toQt(messageBoxCaption(kind)), text, {}, {}, {}, {}});
}

void showErrorReport(ModalPresenter& presenter, QWidget* parent, std::string_view failureText) {
  askBox(presenter, parent,
         {QMessageBox::Critical,
          toQt(kApplicationTitle),
          toQt(errorReportText(failureText)),
          {},
          {},
          {},
          {}});
}

}  // namespace vorlent
