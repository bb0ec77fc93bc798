#include "launch/ExecutableLocator.h"

#include "launch/EmulatorStart.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

// What tells the two emulators apart when locating them.
struct Emulator {
  std::string_view executableName;
  std::string LauncherState::*path;
  bool ExecutableMarks::*mark;
};

constexpr Emulator kFmsx{kFmsxExecutableName, &LauncherState::fmsxExePath, &ExecutableMarks::fmsx};
constexpr Emulator kBrmsx{kBrmsxExecutableName, &LauncherState::brmsxExePath,
                          &ExecutableMarks::brmsx};

void showMarks(const LocatorEnvironment& environment) {
  if (environment.showMarks) {
    environment.showMarks();
  }
}

bool chooseFolder(const Emulator& emulator, LauncherState& state, ExecutableMarks& marks,
                  const LocatorEnvironment& environment) {
  std::string initialFolder = environment.currentFolder.get();
  if (!environment.files.folderExists(initialFolder)) {
    initialFolder.clear();
  }
  const std::optional<std::string> folder =
      environment.prompts.chooseFolder(chooseFolderPrompt(emulator.executableName), initialFolder);
  if (!folder) {
    return false;
  }
  // The name is compared as the emulators' own file system compares it; the disk may hold it
  // in other letter case.
  const std::optional<std::string> executable = environment.fileNames.existingFile(
      executableCandidate(*folder, emulator.executableName, environment.pathStyle));
  if (!executable) {
    return false;
  }
  marks.*emulator.mark = true;
  showMarks(environment);
  environment.feedback.playSoundCue(SoundCue::Ok);
  environment.feedback.showMessageBox(MessageKind::Information, executableConfirmationText());
  state.*emulator.path = environment.shortPaths.shortForm(*executable).value_or("");
  return true;
}

bool takeListed(const Emulator& emulator, LauncherState& state, ExecutableMarks& marks,
                const FileList& list, const LocatorEnvironment& environment) {
  const FileListEntry* entry = list.focused();
  if (list.selectedCount() == 0 || entry == nullptr ||
      asciiLower(entry->caption) != emulator.executableName) {
    return false;
  }
  state.*emulator.path = environment.shortPaths.shortForm(entry->fullPath).value_or("");
  environment.feedback.playSoundCue(SoundCue::Ok);
  marks.*emulator.mark = true;
  showMarks(environment);
  environment.feedback.showMessageBox(MessageKind::Information, executableConfirmationText());
  return true;
}

}  // namespace

std::string executableConfirmationText() {
  return std::string("実行ファイルのディレクトリを確認しました") + "\r\n" +
         "エキスプローラなどで実行ファイルのプロパティーが適切か確認してください";
}

std::string chooseFolderPrompt(std::string_view executableName) {
  return "Choose the directory of the place of the "
         "\"" +
         std::string(executableName) + "\".";
}

std::string executableCandidate(std::string_view folder, std::string_view executableName,
                                PathStyle style) {
  std::string candidate(folder);
  const char delimiter = style == PathStyle::Windows ? '\\' : '/';
  if (candidate.empty() || candidate.back() != delimiter) {
    candidate += delimiter;
  }
  return candidate + std::string(executableName);
}

bool chooseFmsxFolder(LauncherState& state, ExecutableMarks& marks,
                      const LocatorEnvironment& environment) {
  return chooseFolder(kFmsx, state, marks, environment);
}

bool chooseBrmsxFolder(LauncherState& state, ExecutableMarks& marks,
                       const LocatorEnvironment& environment) {
  return chooseFolder(kBrmsx, state, marks, environment);
}

bool takeListedFmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                    const LocatorEnvironment& environment) {
  return takeListed(kFmsx, state, marks, list, environment);
}

bool takeListedBrmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                     const LocatorEnvironment& environment) {
  return takeListed(kBrmsx, state, marks, list, environment);
}

void markKnownExecutables(const LauncherState& state, ExecutableMarks& marks,
                          const FileSystem& files) {
  if (files.fileExists(state.fmsxExePath)) marks.fmsx = true;
  if (files.fileExists(state.brmsxExePath)) marks.brmsx = true;
  if (files.fileExists(state.palamsxExePath)) marks.palamsx = true;
}

}  // namespace vorlent
