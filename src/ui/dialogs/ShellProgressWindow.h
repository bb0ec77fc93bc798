// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include "platform/ShellFileOperation.h"

class QProgressDialog;
class QWidget;

namespace vorlent {

class ModalPresenter;

// The shell operation's window over the main window: a progress window with a cancel button,
// shown only when the operation takes more than a moment, a question before anything is
// replaced or sent to the trash, and a box for each source that could not be handled.
class ShellProgressWindow final : public ShellFileProgress {
 public:
  ShellProgressWindow(QWidget* owner, ModalPresenter& questions)
      : owner_(owner), questions_(questions) {}
  ~ShellProgressWindow() override;

  bool progress(std::uint64_t doneBytes, std::uint64_t totalBytes,
                std::string_view currentPath) override;
  ReplaceChoice askReplace(std::string_view existingPath, bool existingIsFolder) override;
  void showError(std::string_view text) override;
  bool askToTrash(std::string_view question) override;
  void finished() override;
  std::uintptr_t ownerWindow() const override;

  // How long an operation runs before the progress window appears.
  static constexpr int kShowAfterMilliseconds = 500;

 private:
  QWidget* owner_;
  ModalPresenter& questions_;
  QPointer<QProgressDialog> window_;
  QElapsedTimer running_;
  bool started_ = false;
};

}  // namespace vorlent
