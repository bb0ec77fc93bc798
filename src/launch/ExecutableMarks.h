// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// The image numbers of the toolbar buttons "実行ファイル" (and "Working ExeFile" on the hidden
// tab): 3 until the emulator's executable is known, 4 from then on.
inline constexpr int kUnknownExecutableIcon = 3;
inline constexpr int kKnownExecutableIcon = 4;

// Which emulator executables have been found this session. A mark is only ever set: once
// shown as known, a button keeps its image.
struct ExecutableMarks {
  bool fmsx = false;
  bool brmsx = false;
  bool palamsx = false;

  bool operator==(const ExecutableMarks&) const = default;
};

constexpr int executableButtonImage(bool marked) {
  return marked ? kKnownExecutableIcon : kUnknownExecutableIcon;
}

}  // namespace vorlent
