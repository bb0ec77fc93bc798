// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingModals.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include "ShownOnScreen.h"

namespace vorlent::testing {

namespace {

ShownBox shownBy(const QMessageBox& box) {
  ShownBox shown;
  shown.title = box.windowTitle();
  shown.text = box.text();
  shown.icon = box.icon();
  shown.textFormat = box.textFormat();
  for (const QAbstractButton* button : box.buttons()) {
    shown.buttons << drawnCaption(button->text());
  }
  if (const QPushButton* button = box.defaultButton()) {
    shown.defaultButton = drawnCaption(button->text());
  }
  if (const QCheckBox* check = box.checkBox()) {
    shown.checkBox = drawnCaption(check->text());
  }
  shown.objectName = box.objectName();
  shown.owner = box.parentWidget();
  return shown;
}

QAbstractButton* buttonFor(const QMessageBox& box, const BoxAnswer& answer) {
  if (answer.button != QMessageBox::NoButton) {
    return box.button(answer.button);
  }
  const auto buttons = box.buttons();
  if (answer.caption.isEmpty()) {
    return buttons.isEmpty() ? nullptr : buttons.front();
  }
  for (QAbstractButton* button : buttons) {
    if (drawnCaption(button->text()) == answer.caption) {
      return button;
    }
  }
  return nullptr;
}

}  // namespace

void RecordingModals::ask(QMessageBox& box) {
  boxes.push_back(shownBy(box));
  if (whileShown) {
    whileShown(box);
  }
  BoxAnswer answer = unplanned;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  if (answer.check && box.checkBox() != nullptr) {
    box.checkBox()->setChecked(true);
  }
  // A planned answer the box does not offer leaves it unanswered, as closing it would.
  QAbstractButton* button = answer.close ? nullptr : buttonFor(box, answer);
  if (button != nullptr) {
    button->click();
  } else {
    box.reject();
  }
}

int RecordingModals::run(QDialog& dialog) {
  dialogs << dialog.objectName();
  // Shown as exec() shows it, so that it reads its state on showing.
  const bool wasShowModal = dialog.testAttribute(Qt::WA_ShowModal);
  dialog.setAttribute(Qt::WA_ShowModal, true);
  dialog.setResult(0);
  dialog.show();
  if (whileShown) {
    whileShown(dialog);
  }
  if (!actions.empty()) {
    const auto action = std::move(actions.front());
    actions.pop_front();
    action(dialog);
  } else {
    dialog.reject();
  }
  if (dialog.isVisible()) {
    ++leftOpen;
    dialog.reject();
  }
  dialog.setAttribute(Qt::WA_ShowModal, wasShowModal);
  return dialog.result();
}

RecordingModals& recordModals(MainWindowServices& services) {
  auto recorder = std::make_unique<RecordingModals>();
  RecordingModals& recording = *recorder;
  services.modals = std::move(recorder);
  return recording;
}

}  // namespace vorlent::testing
