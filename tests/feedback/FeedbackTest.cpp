// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/Feedback.h"

#include <gtest/gtest.h>

namespace vorlent {
namespace {

TEST(ErrorReportTextTest, AppendsAFullStopAfterBytesThatSortAfterIt) {
  const struct {
    const char* failure;
    const char* shown;
  } cases[] = {
      {"Disk error", "Disk error."},
      {"I/O エラー (5)", "I/O エラー (5)"},
      {"Done.", "Done."},
      {"ファイルが見つかりません", "ファイルが見つかりません."},
      {"range 0-9", "range 0-9."},
      {"a,", "a,"},
      {"a-", "a-"},
      {"a/", "a/."},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(errorReportText(c.failure), c.shown) << c.failure;
  }
}

TEST(FeedbackNamesTest, CueFilesAndCaptions) {
  EXPECT_EQ(soundCueFileName(SoundCue::Ok), "sound/ok.wav");
  EXPECT_EQ(soundCueFileName(SoundCue::Set), "sound/set.wav");
  EXPECT_EQ(soundCueFileName(SoundCue::Error), "sound/error.wav");
  EXPECT_EQ(soundCueFileName(SoundCue::Reset), "sound/reset.wav");
  EXPECT_EQ(messageBoxCaption(MessageKind::Warning), "警告");
  EXPECT_EQ(messageBoxCaption(MessageKind::Error), "エラー");
  EXPECT_EQ(messageBoxCaption(MessageKind::Information), "情報");
  EXPECT_EQ(messageBoxCaption(MessageKind::Plain), "MSXVorlent!");
}

}  // namespace
}  // namespace vorlent
