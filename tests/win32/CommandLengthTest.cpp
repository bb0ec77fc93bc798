// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "launch/BrmsxCommand.h"
#include "launch/LauncherState.h"
#include "win32/Win32TestSupport.h"

namespace vorlent {
namespace {

// Each of the four characters of the Japanese folder takes three bytes in UTF-8 and two in
// Shift-JIS; the check shows the length the emulator receives.
TEST(CommandLengthTest, TheBrmsxCheckCountsShiftJisBytes) {
  VORLENT_NEED_SHIFT_JIS();
  LauncherState state;
  state.brmsxExePath = "C:\\EMU\\BRMSX.EXE";
  state.slots[0].path = "C:\\" + std::string(testing::kJapaneseName) + "\\GAME.ROM";
  state.slots[0].mapper = 7;
  const std::string command = composeBrmsxCommand(state, PathStyle::Windows);
  ASSERT_NE(command.find(state.slots[0].path), std::string::npos);
  EXPECT_EQ(brmsxCommandCheckText(state, PathStyle::Windows, *makeSystemTextCodec()),
            command + "(" + std::to_string(command.size() - 4) + ")");
}

}  // namespace
}  // namespace vorlent
