#include "ui/ShellProgressWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include "feedback/Feedback.h"
#include "ui/BoxCaptionRoom.h"
#include "ui/ModalPresenter.h"
#include "ui/QtText.h"

namespace vorlent {

ShellProgressWindow::~ShellProgressWindow() { delete window_; }

bool ShellProgressWindow::progress(std::uint64_t doneBytes, std::uint64_t totalBytes,
                                   std::string_view currentPath) {
  if (!started_) {
    started_ = true;
    running_.start();
  }
  if (window_ == nullptr && running_.elapsed() >= kShowAfterMilliseconds) {
    window_ = new QProgressDialog(owner_);
    window_->setObjectName(QStringLiteral("ShellProgress"));
    window_->setWindowTitle(toQt(kApplicationTitle));
    window_->setCancelButtonText(QStringLiteral("キャンセル"));
    window_->setWindowModality(Qt::WindowModal);
    window_->setMinimumDuration(0);
    window_->setAutoClose(false);
    window_->setAutoReset(false);
    window_->setRange(0, 1000);
    window_->show();
  }
  if (window_ != nullptr) {
    if (!currentPath.empty()) {
      window_->setLabelText(toQt(currentPath));
    }
    const double part =
        totalBytes == 0 ? 1.0 : static_cast<double>(doneBytes) / static_cast<double>(totalBytes);
    window_->setValue(static_cast<int>(part * 1000));
    QApplication::processEvents();
    if (window_->wasCanceled()) {
      return false;
    }
  }
  return true;
}

ReplaceChoice ShellProgressWindow::askReplace(std::string_view existingPath,
                                              bool existingIsFolder) {
  QMessageBox question(
      QMessageBox::Question, toQt(kApplicationTitle),
      shownToQt(existingPath) +
          (existingIsFolder
               ? QStringLiteral(" というフォルダはすでにあります。\n中身を置き換えますか?")
               : QStringLiteral(" というファイルはすでにあります。\n置き換えますか?")),
      QMessageBox::NoButton, owner_);
  question.setObjectName(QStringLiteral("ReplaceQuestion"));
  QPushButton* replace = question.addButton(QStringLiteral("置き換える"), QMessageBox::YesRole);
  QPushButton* skip = question.addButton(QStringLiteral("スキップ"), QMessageBox::NoRole);
  QPushButton* cancel = question.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  auto* all = new QCheckBox(QStringLiteral("以降すべてに適用"), &question);
  all->setObjectName(QStringLiteral("ApplyToAll"));
  question.setCheckBox(all);
  question.setDefaultButton(cancel);
  leaveRoomForCaption(question);
  questions_.ask(question);
  ReplaceChoice choice;
  choice.applyToAll = all->isChecked();
  if (question.clickedButton() == replace) {
    choice.answer = ReplaceAnswer::Replace;
  } else if (question.clickedButton() == skip) {
    choice.answer = ReplaceAnswer::Skip;
  } else {
    choice.answer = ReplaceAnswer::Cancel;
    choice.applyToAll = false;
  }
  return choice;
}

void ShellProgressWindow::showError(std::string_view text) {
  QMessageBox box(QMessageBox::Critical, toQt(kApplicationTitle), toQt(text), QMessageBox::Ok,
                  owner_);
  leaveRoomForCaption(box);
  questions_.ask(box);
}

bool ShellProgressWindow::askToTrash(std::string_view question) {
  QMessageBox box(QMessageBox::Question, toQt(kApplicationTitle), toQt(question),
                  QMessageBox::Yes | QMessageBox::No, owner_);
  box.setObjectName(QStringLiteral("TrashQuestion"));
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
  box.setDefaultButton(QMessageBox::Yes);
  leaveRoomForCaption(box);
  questions_.ask(box);
  return box.standardButton(box.clickedButton()) == QMessageBox::Yes;
}

void ShellProgressWindow::finished() {
  delete window_;
  started_ = false;
}

std::uintptr_t ShellProgressWindow::ownerWindow() const {
  return owner_ != nullptr ? static_cast<std::uintptr_t>(owner_->window()->winId()) : 0;
}

}  // namespace vorlent
