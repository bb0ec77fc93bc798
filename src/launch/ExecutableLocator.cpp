// SPDX-License-Identifier: GPL-3.0-or-later
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

void showMarks(const LocatorServices& services) {
  if (services.showMarks) {
    services.showMarks();
  }
}

bool chooseFolder(const Emulator& emulator, LauncherState& state, ExecutableMarks& marks,
                  const LocatorServices& services) {
  std::string initialFolder = services.currentFolder.get();
  if (!services.files.folderExists(initialFolder)) {
    initialFolder.clear();
  }
  const std::optional<std::string> folder =
      services.prompts.chooseFolder(chooseFolderPrompt(emulator.executableName), initialFolder);
  if (!folder) {
    return false;
  }
  // The name is compared as the emulators' own file system compares it; the disk may hold it
  // in other letter case.
  const std::optional<std::string> executable = services.fileNames.existingFile(
      executableCandidate(*folder, emulator.executableName, services.pathStyle));
  if (!executable) {
    return false;
  }
  marks.*emulator.mark = true;
  showMarks(services);
  services.feedback.playSoundCue(SoundCue::Ok);
  services.feedback.showMessageBox(MessageKind::Information, executableConfirmationText());
  state.*emulator.path = services.shortPaths.shortForm(*executable).value_or("");
  return true;
}

bool takeListed(const Emulator& emulator, LauncherState& state, ExecutableMarks& marks,
                const FileList& list, const LocatorServices& services) {
  const FileListEntry* entry = list.focused();
  if (list.selectedCount() == 0 || entry == nullptr ||
      asciiLower(entry->caption) != emulator.executableName) {
    return false;
  }
  state.*emulator.path = services.shortPaths.shortForm(entry->fullPath).value_or("");
  services.feedback.playSoundCue(SoundCue::Ok);
  marks.*emulator.mark = true;
  showMarks(services);
  services.feedback.showMessageBox(MessageKind::Information, executableConfirmationText());
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
                      const LocatorServices& services) {
  return chooseFolder(kFmsx, state, marks, services);
}

bool chooseBrmsxFolder(LauncherState& state, ExecutableMarks& marks,
                       const LocatorServices& services) {
  return chooseFolder(kBrmsx, state, marks, services);
}

bool takeListedFmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                    const LocatorServices& services) {
  return takeListed(kFmsx, state, marks, list, services);
}

bool takeListedBrmsx(LauncherState& state, ExecutableMarks& marks, const FileList& list,
                     const LocatorServices& services) {
  return takeListed(kBrmsx, state, marks, list, services);
}

void markKnownExecutables(const LauncherState& state, ExecutableMarks& marks,
                          const FileSystem& files) {
  if (files.fileExists(state.fmsxExePath)) marks.fmsx = true;
  if (files.fileExists(state.brmsxExePath)) marks.brmsx = true;
  if (files.fileExists(state.palamsxExePath)) marks.palamsx = true;
}

}  // namespace vorlent
