// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "feedback/Feedback.h"

namespace vorlent::testing {

// Records what the core sends through feedback, in order, as readable lines.
class RecordingFeedback final : public Feedback {
 public:
  void showStatus(std::string_view text) override {
    status = text;
    events.push_back("status: " + std::string(text));
  }
  void setStatusPanel(StatusPanel panel, std::string_view text) override {
    panels[static_cast<std::size_t>(panel)] = text;
    events.push_back("panel " + std::to_string(static_cast<int>(panel)) + ": " + std::string(text));
  }
  void playSoundCue(SoundCue cue) override {
    sounds.emplace_back(soundCueFileName(cue));
    events.push_back("sound: " + std::string(soundCueFileName(cue)));
  }
  void showMessageBox(MessageKind kind, std::string_view text) override {
    events.push_back("box " + std::string(messageBoxCaption(kind)) + ": " + std::string(text));
  }
  void reportError(std::string_view failureText) override {
    events.push_back("error: " + std::string(failureText));
  }

  std::string status = "Wellcome!!";
  std::array<std::string, 3> panels;
  std::vector<std::string> sounds;
  std::vector<std::string> events;
};

}  // namespace vorlent::testing
