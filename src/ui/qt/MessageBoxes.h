// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <vector>

#include "feedback/Feedback.h"

class QDialog;
class QWidget;

namespace vorlent {

class ModalPresenter;

// A button of a box: the standard button whose role places it and decides what Escape does,
// and its caption when it is not the button's usual Japanese one ("OK", "はい", "いいえ",
// "キャンセル").
struct BoxButton {
  QMessageBox::StandardButton button;
  QString caption;
};

// What a box shows. Its text is drawn as written: a name's "<", "&" and line breaks stay what
// they are.
struct BoxContent {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption;
  QString text;
  // A box without buttons gets "OK".
  std::vector<BoxButton> buttons;
  // The first button when none is given.
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  // None when empty.
  QString checkBox;
  QString objectName;
};

// How the user answered a box: the button, none when the box was closed otherwise, and whether
// its check box was ticked.
struct BoxReply {
  QMessageBox::StandardButton button = QMessageBox::NoButton;
  bool checked = false;
};

// The one builder of the program's boxes: every message box and question is made and asked
// here, modal over the owner.
BoxReply askBox(ModalPresenter& presenter, QWidget* owner, const BoxContent& content);

// What every box and dialog the program builds keeps to, for the dialogs Qt lays out itself (the
// text prompt, the progress window): its labels draw their text as written, and it is wide
// enough for its caption in the title bar. Called once its texts are set.
void keepBoxRules(QDialog& dialog);

// A modal box of the kind with its caption and icon and one "OK" button.
void showMessageBox(ModalPresenter& presenter, QWidget* parent, MessageKind kind,
                    const QString& text);

// The general error report: the stop icon, the application title, the text with the "." rule.
void showErrorReport(ModalPresenter& presenter, QWidget* parent, std::string_view failureText);

}  // namespace vorlent
