#include "media/ExecutableMarks.h"

namespace vorlent {

void markKnownExecutables(const LauncherState& state, MediaPanelState& panel,
                          const FileSystem& files) {
  panel.fmsxExeMarked = panel.fmsxExeMarked || files.fileExists(state.fmsxExePath);
  panel.brmsxExeMarked = panel.brmsxExeMarked || files.fileExists(state.brmsxExePath);
  panel.palamsxExeMarked = panel.palamsxExeMarked || files.fileExists(state.palamsxExePath);
}

}  // namespace vorlent
