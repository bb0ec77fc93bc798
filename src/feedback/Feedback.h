// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlent {

inline constexpr std::string_view kApplicationTitle = "MSXVorlent!";

enum class SoundCue { Ok, Set, Error, Reset };

// The cue's file name below the program's folder, with its forward slash: "sound/ok.wav".
std::string_view soundCueFileName(SoundCue cue);

enum class MessageKind { Warning, Error, Information, Plain };

// The caption of a message box of the kind; plain boxes carry the application title.
std::string_view messageBoxCaption(MessageKind kind);

enum class StatusPanel { ObjectCount = 0, DriveSize = 1, EmulatorMode = 2 };

// How commands tell the user what they did. The core sends; the UI shows, tests record.
class Feedback {
 public:
  virtual ~Feedback() = default;

  virtual void showStatus(std::string_view text) = 0;
  virtual void setStatusPanel(StatusPanel panel, std::string_view text) = 0;

  // Returns at once; a cue still playing is cut off by the new one.
  virtual void playSoundCue(SoundCue cue) = 0;

  // Modal; returns when the user closes the box.
  virtual void showMessageBox(MessageKind kind, std::string_view text) = 0;

  // The general error report for a failure's text (see errorReportText).
  virtual void reportError(std::string_view failureText) = 0;
};

// The text the general error report shows: a "." is appended when the last byte sorts after
// "." in byte order, so a text ending in ")" or "." is shown as it is.
std::string errorReportText(std::string_view failureText);

}  // namespace vorlent
