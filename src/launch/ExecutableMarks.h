#pragma once

namespace vorlent {

// The images of the toolbar buttons "実行ファイル" (and "Working ExeFile" on the hidden tab).
inline constexpr int kExecutableUnknownImage = 3;
inline constexpr int kExecutableKnownImage = 4;

// Which emulator executables have been found this session. A mark is only ever set: once
// shown as known, a button keeps its image.
struct ExecutableMarks {
  bool fmsx = false;
  bool brmsx = false;
  bool palamsx = false;

  bool operator==(const ExecutableMarks&) const = default;
};

constexpr int executableButtonImage(bool marked) {
  return marked ? kExecutableKnownImage : kExecutableUnknownImage;
}

}  // namespace vorlent
