// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "feedback/Feedback.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace vorlent {

class ModalPresenter;
class SoundCuePlayer;

// The feedback channels on the main window: its status line, its status bar panels, the sound
// cue player and modal boxes over the window.
class QtFeedback final : public Feedback {
 public:
  QtFeedback(QWidget* window, QLineEdit* statusLine, std::array<QLabel*, 3> panels,
             SoundCuePlayer& sounds, ModalPresenter& boxes);

  void showStatus(std::string_view text) override;
  void setStatusPanel(StatusPanel panel, std::string_view text) override;
  void playSoundCue(SoundCue cue) override;
  void showMessageBox(MessageKind kind, std::string_view text) override;
  void reportError(std::string_view failureText) override;

 private:
  QWidget* window_;
  QLineEdit* statusLine_;
  std::array<QLabel*, 3> panels_;
  SoundCuePlayer& sounds_;
  ModalPresenter& boxes_;
};

}  // namespace vorlent
