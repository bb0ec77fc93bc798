// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ShellProgressWindow.h"

#include <QApplication>
#include <QProgressDialog>

#include "feedback/Feedback.h"
#include "ui/look/QtText.h"
#include "ui/qt/MessageBoxes.h"

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
    keepBoxRules(*window_);
    window_->show();
  }
  if (window_ != nullptr) {
    if (!currentPath.empty()) {
      window_->setLabelText(shownToQt(currentPath));
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
  const BoxReply reply =
      askBox(questions_, owner_,
             {QMessageBox::Question,
              toQt(kApplicationTitle),
              shownToQt(existingPath) +
                  (existingIsFolder
                       ? QStringLiteral(" というフォルダはすでにあります。\n中身を置き換えますか?")
                       : QStringLiteral(" というファイルはすでにあります。\n置き換えますか?")),
              {{QMessageBox::Yes, QStringLiteral("置き換える")},
               {QMessageBox::No, QStringLiteral("スキップ")},
               {QMessageBox::Cancel, {}}},
              QMessageBox::Cancel,
              QStringLiteral("以降すべてに適用"),
              QStringLiteral("ReplaceQuestion")});
  ReplaceChoice choice;
  choice.applyToAll = reply.checked;
  if (reply.button == QMessageBox::Yes) {
    choice.answer = ReplaceAnswer::Replace;
  } else if (reply.button == QMessageBox::No) {
    choice.answer = ReplaceAnswer::Skip;
  } else {
    choice.answer = ReplaceAnswer::Cancel;
    choice.applyToAll = false;
  }
  return choice;
}

void ShellProgressWindow::showError(std::string_view text) {
  askBox(questions_, owner_,
         {QMessageBox::Critical, toQt(kApplicationTitle), toQt(text), {}, {}, {}, {}});
}

bool ShellProgressWindow::askToTrash(std::string_view question) {
  return askBox(questions_, owner_,
                {QMessageBox::Question,
                 toQt(kApplicationTitle),
                 toQt(question),
                 {{QMessageBox::Yes, {}}, {QMessageBox::No, {}}},
                 QMessageBox::Yes,
                 {},
                 QStringLiteral("TrashQuestion")})
             .button == QMessageBox::Yes;
}

void ShellProgressWindow::finished() {
  delete window_;
  started_ = false;
}

std::uintptr_t ShellProgressWindow::ownerWindow() const {
  return owner_ != nullptr ? static_cast<std::uintptr_t>(owner_->window()->winId()) : 0;
}

}  // namespace vorlent
