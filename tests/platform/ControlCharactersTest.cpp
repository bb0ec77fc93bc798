// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "platform/ControlCharacters.h"
#include "support/HostileTexts.h"

namespace vorlent {
namespace {

using testing::HostileText;
using testing::kHostileTexts;

TEST(ControlCharactersTest, EveryHostileTextIsShownWithItsControlsMarked) {
  for (const HostileText& text : kHostileTexts) {
    EXPECT_EQ(withControlsMarked(text.raw), text.shown) << text.raw;
    // What is shown is shown again as it is.
    EXPECT_EQ(withControlsMarked(text.shown), text.shown) << text.raw;
  }
  EXPECT_EQ(withControlsMarked(std::string("nul\0.rom", 8)),
            std::string("nul") + testing::kMark + ".rom");
}

}  // namespace
}  // namespace vorlent
