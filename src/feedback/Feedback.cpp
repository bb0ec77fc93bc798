// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/Feedback.h"

namespace vorlent {

std::string_view soundCueFileName(SoundCue cue) {
  switch (cue) {
    case SoundCue::Ok:
      return "sound/ok.wav";
    case SoundCue::Set:
      return "sound/set.wav";
    case SoundCue::Error:
      return "sound/error.wav";
    case SoundCue::Reset:
      return "sound/reset.wav";
  }
  return {};
}

std::string_view messageBoxCaption(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return "警告";
    case MessageKind::Error:
      return "エラー";
    case MessageKind::Information:
      return "情報";
    case MessageKind::Plain:
      break;
  }
  return kApplicationTitle;
}

std::string errorReportText(std::string_view failureText) {
  std::string text(failureText);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace vorlent
