// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "feedback/Prompts.h"

class QWidget;

namespace vorlent {

class ModalPresenter;

// Asks the user with Qt's dialogs, modal over the window.
class QtPrompts final : public Prompts {
 public:
  QtPrompts(QWidget* window, ModalPresenter& dialogs) : window_(window), dialogs_(dialogs) {}

  std::optional<std::string> askText(std::string_view caption, std::string_view prompt,
                                     std::string_view initialText) override;
  std::optional<std::string> chooseFolder(std::string_view prompt,
                                          std::string_view startFolder) override;
  std::optional<std::vector<std::string>> chooseFilesToOpen(std::string_view startFolder) override;
  std::optional<std::string> chooseFileToSave(std::string_view startFolder) override;

 private:
  QWidget* window_;
  ModalPresenter& dialogs_;
};

}  // namespace vorlent
